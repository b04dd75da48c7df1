// Load files: separators, column order, ids, blank lines, quotes, the line and column of every
// refusal, and the memory a file may take.
#include "io/load_file.h"

#include <gtest/gtest.h>
#include <sstream>

namespace pmsect {
namespace {

LoadFileResult read(const std::string& text, LoadFileOptions options = {}) {
    std::istringstream in(text);
    return readLoadText(in, options);
}

void expectLoad(const LoadInput& load, float Pu, float Mux, float Muy) {
    EXPECT_EQ(load.Pu, Pu);
    EXPECT_EQ(load.Mux, Mux);
    EXPECT_EQ(load.Muy, Muy);
}

TEST(LoadFileRead, EverySeparatorAndColumnOrderGiveTheSameLoads) {
    for (const std::string text :
         {"Pu,Mux,Muy\n-100,50,10\n20,-3.5,0\n", "Muy;Pu;Mux\r\n10;-100;50\r\n0;20;-3.5\r\n",
          "Mux\tMuy\tPu\n50\t10\t-100\n-3.5\t0\t20\n",
          "  pu , MUX , muy \n-100, 50 ,10\n20,-3.5,0"}) {
        const LoadFileResult r = read(text);
        ASSERT_TRUE(r) << text << ": " << r.error->text();
        ASSERT_EQ(r.contents.loads.size(), 2u) << text;
        expectLoad(r.contents.loads[0], -100, 50, 10);
        expectLoad(r.contents.loads[1], 20, -3.5f, 0);
        EXPECT_TRUE(r.contents.ids.empty());
    }
}

TEST(LoadFileRead, IdsBlankLinesQuotesAndOtherColumns) {
    const LoadFileResult r = read("\xEF\xBB\xBF"
                                  "Combo,id,Pu,Vx,Mux,Muy\n"
                                  "\n"
                                  "1.2D+1.6L,\"C1, level 2\",-1200.5,4,30,40\n"
                                  "   \n"
                                  "wind,\"say \"\"hi\"\"\",\"-1,000\",0,0,0\n");
    ASSERT_TRUE(r) << r.error->text();
    ASSERT_EQ(r.contents.loads.size(), 2u);
    ASSERT_EQ(r.contents.ids.size(), 2u);
    EXPECT_EQ(r.contents.ids[0], "C1, level 2");
    EXPECT_EQ(r.contents.ids[1], "say \"hi\"");
    expectLoad(r.contents.loads[0], -1200.5f, 30, 40);
    expectLoad(r.contents.loads[1], -1000, 0, 0); // thousands separator inside quotes
}

TEST(LoadFileRead, NumbersAreStoredAsTheLoadTableStoresThem) {
    // 0.1 is not a float: the single nearest to it is what a typed 0.1 becomes.
    const LoadFileResult r = read("Pu,Mux,Muy\n0.1,+2e2,-.5\n");
    ASSERT_TRUE(r);
    expectLoad(r.contents.loads[0], 0.1f, 200, -0.5f);
}

TEST(LoadFileRead, RefusalsNameTheLineAndTheColumn) {
    struct Case {
        const char* text;
        int line;
        int column;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"Pu,Mux\n-1,2\n", 1, 0, "no column Muy"},
        {"Pu,Mux,Muy\n-1,2,3\n\n-1,x,3\n", 4, 2, "Mux \"x\" is not a finite number"},
        {"Pu;Mux;Muy\n-1;2\n", 2, 3, "Muy is missing"},
        {"Pu,Mux,Muy\n,2,3\n", 2, 1, "Pu is empty"},
        {"Pu,Mux,Muy\n1e39,2,3\n", 2, 1, "not a finite number"},
        {"Pu,Mux,Muy\n-1,nan,3\n", 2, 2, "not a finite number"},
        {"Pu,Mux,Muy\n-1,inf,3\n", 2, 2, "not a finite number"},
        {"Pu,Mux,Muy,Pu\n", 1, 4, "a second column Pu"},
        {"Pu,Mux,Muy\n\"-1,2,3\n", 2, 0, "quote is left open"},
        {"", 0, 0, "empty"},
        {"\n\n-1,2,3\n", 3, 0, "no column Pu"}, // a header is required
    };
    for (const Case& c : cases) {
        const LoadFileResult r = read(c.text);
        ASSERT_FALSE(r) << c.text;
        EXPECT_TRUE(r.contents.loads.empty());
        EXPECT_EQ(r.error->line, c.line) << c.text;
        EXPECT_EQ(r.error->column, c.column) << c.text;
        EXPECT_NE(r.error->reason.find(c.reasonPart), std::string::npos)
            << c.text << " -> " << r.error->reason;
    }
    const LoadFileResult r = read("Pu,Mux,Muy\n-1,x,3\n");
    EXPECT_EQ(r.error->text(), "line 2, column 2: Mux \"x\" is not a finite number");
}

TEST(LoadFileRead, PastedRowsMayComeWithoutAHeader) {
    LoadFileOptions pasted;
    pasted.headerOptional = true;
    const LoadFileResult bare = read("-100\t50\t10\r\n20\t-3.5\t0\r\n", pasted);
    ASSERT_TRUE(bare);
    ASSERT_EQ(bare.contents.loads.size(), 2u);
    expectLoad(bare.contents.loads[1], 20, -3.5f, 0);
    const LoadFileResult headed = read("Muy\tPu\tMux\n10\t-100\t50\n", pasted);
    ASSERT_TRUE(headed);
    expectLoad(headed.contents.loads[0], -100, 50, 10);
    const LoadFileResult bad = read("-100\t50\n", pasted);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error->column, 3);
    EXPECT_TRUE(read("", pasted));
}

TEST(LoadFileRead, LimitsBoundWhatAHostileFileCanTake) {
    LoadFileOptions small;
    small.maxLoads = 2;
    EXPECT_TRUE(read("Pu,Mux,Muy\n1,2,3\n4,5,6\n", small));
    const LoadFileResult tooMany = read("Pu,Mux,Muy\n1,2,3\n4,5,6\n7,8,9\n", small);
    ASSERT_FALSE(tooMany);
    EXPECT_EQ(tooMany.error->line, 4);

    const std::string longLine = "Pu,Mux,Muy\n" + std::string(kMaxLoadLineLength + 1, '1') + "\n";
    const LoadFileResult tooLong = read(longLine);
    ASSERT_FALSE(tooLong);
    EXPECT_EQ(tooLong.error->line, 2);
    EXPECT_NE(tooLong.error->reason.find("longer than"), std::string::npos);
}

// The bytes of a text are bounded, and 2,000 ids of 4,000 characters take no more than the file
// and a load and a string per row, however the vectors grew.
TEST(LoadFileRead, TheMemoryOfTheContentsFollowsTheFileSize) {
    LoadFileOptions small;
    small.maxBytes = 1024 * 1024;
    std::string text = "id,Pu,Mux,Muy\n";
    for (int i = 0; i < 2000; ++i) {
        text += std::string(4000, static_cast<char>('a' + i % 26)) + ",-100,20,30\n";
    }
    const LoadFileResult tooMuch = read(text, small);
    ASSERT_FALSE(tooMuch);
    EXPECT_EQ(tooMuch.error->reason, "the text goes on past 1 MB, the most a load file may hold");
    const LoadFileResult r = read(text);
    ASSERT_TRUE(r);
    const LoadFileContents& c = r.contents;
    std::size_t held =
        c.loads.capacity() * sizeof(LoadInput) + c.ids.capacity() * sizeof(std::string);
    for (const std::string& id : c.ids) {
        held += id.capacity() + 1;
    }
    EXPECT_LE(held, text.size() + 2000 * (sizeof(LoadInput) + sizeof(std::string)));
}

} // namespace
} // namespace pmsect
