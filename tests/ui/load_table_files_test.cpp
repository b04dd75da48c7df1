// The load table's Import, Export and paste: the 40-row limit with its message, the same checks
// as typed loads, and an exported file that imports again.
#include "io/project_file.h"
#include "results_windows_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace pmsect::test {
namespace {

class LoadTableFiles : public ResultsWindowsTest {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir);
        loads.show();
        loads.activate();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string write(const char* name, const std::string& text) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string rows(int count) {
        std::string text = "id,Pu,Mux,Muy\n";
        for (int i = 1; i <= count; ++i) {
            text += "LC" + std::to_string(i) + "," + std::to_string(-10 * i) + "," +
                    std::to_string(i % 7) + ",1.5\n";
        }
        return text;
    }

    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("pmsect_load_files_" + std::to_string(::getpid()));
};

TEST_F(LoadTableFiles, AFileOfMoreThanFortyLoadsImportsWhole) {
    platform.openAnswers.push_back(write("many.csv", rows(41)));
    loads.importLoads();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.loads.count(), 41);
    EXPECT_EQ(loads.view().rows.size(), 41u);
    EXPECT_EQ(model.loads[41][kPu], -410);
}

TEST_F(LoadTableFiles, ImportedLoadsAreCheckedAsTypedOnes) {
    platform.openAnswers.push_back(write("two.csv", "Muy;Pu;Mux\n0;-100;50\n12.5;-250;-80\n"));
    loads.importLoads();
    ASSERT_EQ(model.loads.count(), 2);
    const ProjectModel imported = model;

    // The same loads typed into an empty table.
    loads.activate();
    loads.selectRow(0);
    loads.deleteLoad();
    loads.deleteLoad();
    for (const auto& typed : {std::array<const char*, 3>{"-100", "50", "0"},
                              std::array<const char*, 3>{"-250", "-80", "12.5"}}) {
        loads.addLoad();
        const int row = static_cast<int>(loads.view().rows.size()) - 1;
        for (int f = kPu; f <= kMuy; ++f) {
            ASSERT_TRUE(loads.editCell(row, f, typed[static_cast<std::size_t>(f - 1)]));
        }
    }
    ASSERT_TRUE(loads.update());
    for (int k = 1; k <= 2; ++k) {
        for (int col = kPu; col <= kMuy; ++col) {
            EXPECT_EQ(model.loads[k][col], imported.loads[k][col]) << k << "," << col;
        }
    }
    EXPECT_EQ(loads.cellText(1, kMux), "-80.00");
}

TEST_F(LoadTableFiles, AFileThatCannotBeReadSaysWhereAndChangesNothing) {
    loads.addLoad();
    platform.openAnswers.push_back(write("bad.csv", "Pu,Mux,Muy\n-1,2,3\n-1,two,3\n"));
    loads.importLoads();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "bad.csv: line 3, column 2: Mux \"two\" is not a finite number");
    EXPECT_EQ(loads.view().rows.size(), 1u);
    EXPECT_EQ(model.loads.count(), 0);
}

// A pipe chosen as the file would wait for a writer for ever (the alarm ends the test if it does);
// it and a folder are refused at once, naming the file chosen.
TEST_F(LoadTableFiles, APipeOrAFolderIsRefusedAtOnceNamingTheLoadFile) {
    const std::string pipe = (dir / "pipe.csv").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string folder = (dir / "folder.csv").string();
    std::filesystem::create_directory(folder);
    platform.openAnswers.push_back(pipe);
    platform.openAnswers.push_back(folder);
    ::alarm(20);
    loads.importLoads();
    loads.importLoads();
    ::alarm(0);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"pipe.csv: it is a pipe or a device, not a load file",
                                        "folder.csv: it is a folder, not a load file"}));
    EXPECT_EQ(model.loads.count(), 0);
}

// Import keeps every digit of the file; the rows show two decimals of it.
TEST_F(LoadTableFiles, AnExportedTableImportsAgainToTheSameLoads) {
    platform.openAnswers.push_back(write("in.csv", "Pu,Mux,Muy\n-123.456,78.9,-0.1\n0,30,40\n"));
    loads.importLoads();
    const ProjectModel before = model;
    const std::string out = (dir / "out.csv").string();
    platform.saveAnswers.push_back(out);
    loads.exportLoads();
    std::ifstream in(out);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "id,Pu,Mux,Muy,e,angle,phiPn,phiMnx,phiMny,ratio");

    loads.activate();
    loads.deleteLoad();
    ASSERT_TRUE(loads.update());
    ASSERT_EQ(model.loads.count(), 1);
    platform.openAnswers.push_back(out);
    platform.choiceAnswers.push_back(0);
    loads.importLoads();
    EXPECT_EQ(platform.choiceQuestions,
              std::vector<std::string>{"Replace the 1 load in the table?|Replace/Append/Cancel"});
    ASSERT_EQ(model.loads.count(), 2);
    for (int k = 1; k <= 2; ++k) {
        for (int col = kPu; col <= kMuy; ++col) {
            EXPECT_EQ(model.loads[k][col], before.loads[k][col]) << k << "," << col;
        }
    }
    EXPECT_EQ(model.loads[1][kPu], -123.456f);
}

TEST_F(LoadTableFiles, ExportTakesTheRowsAsUpdateWouldWhenTheyWereChanged) {
    loads.addLoad();
    ASSERT_TRUE(loads.editCell(0, kPu, "-75"));
    const std::string out = (dir / "typed.csv").string();
    platform.saveAnswers.push_back(out);
    loads.exportLoads();
    EXPECT_EQ(model.loads.count(), 1);
    std::ifstream in(out);
    std::string header, row;
    std::getline(in, header);
    std::getline(in, row);
    EXPECT_EQ(row.substr(0, 10), "1,-75,0,0,");
}

TEST_F(LoadTableFiles, ImportIntoATableWithLoadsAsksAndExportAddsTheExtension) {
    const std::string three = write("three.csv", rows(3)); // Pu -10, -20, -30
    const auto importAnswering = [&](std::optional<std::size_t> answer) {
        platform.openAnswers.push_back(three);
        if (answer) {
            platform.choiceAnswers.push_back(*answer);
        }
        loads.importLoads();
        std::vector<float> pu;
        for (int k = 1; k <= model.loads.count(); ++k) {
            pu.push_back(model.loads[k][kPu]);
        }
        return pu;
    };
    importAnswering({}); // an empty table has nothing to lose: no question
    EXPECT_TRUE(platform.choiceQuestions.empty());
    ASSERT_TRUE(loads.editCell(0, kPu, "-55")); // Append keeps an edit not yet updated
    EXPECT_EQ(importAnswering(1), (std::vector<float>{-55, -20, -30, -10, -20, -30}));
    EXPECT_EQ(loads.view().currentRow, 3);
    EXPECT_EQ(importAnswering({}).size(), 6u); // closing the question is Cancel
    EXPECT_EQ(importAnswering(0), (std::vector<float>{-10, -20, -30}));
    const std::string asked = " loads in the table?|Replace/Append/Cancel";
    EXPECT_EQ(platform.choiceQuestions,
              (std::vector<std::string>{"Replace the 3" + asked, "Replace the 6" + asked,
                                        "Replace the 6" + asked}));

    const std::string plain = (dir / "plain").string();
    platform.saveAnswers.push_back(" " + plain + " ");
    loads.exportLoads();
    EXPECT_TRUE(std::filesystem::exists(plain + ".csv"));
    platform.saveAnswers.push_back(plain);
    loads.exportLoads(); // the question names the file that would be replaced
    EXPECT_EQ(platform.questions.back(),
              "FILE EXISTS!|Do you wish to overwrite " + plain + ".csv?");
}

TEST_F(LoadTableFiles, RowsPastedFromASpreadsheetAreAddedAsTyped) {
    loads.addLoad();
    ASSERT_TRUE(loads.editCell(0, kPu, "-5"));
    // Without a header: the table's own order, Pu, Mux, Muy.
    ASSERT_TRUE(loads.paste("-100\t50\t0\r\n-200\t10\t-20\r\n"));
    // With a header, in any order; a trailing line end as spreadsheets copy it.
    ASSERT_TRUE(loads.paste("Muy\tMux\tPu\n7\t8\t-9\n"));
    const auto& r = loads.view().rows;
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].num, 2);
    EXPECT_EQ(r[3].num, 4);
    EXPECT_EQ(loads.cellText(2, kMuy), "-20.00");
    EXPECT_EQ(loads.cellText(3, kPu), "-9.00");
    EXPECT_EQ(loads.cellText(3, kMuy), "7.00");
    EXPECT_EQ(model.loads.count(), 0); // as typed: the model waits for Update
    ASSERT_TRUE(loads.update());
    EXPECT_EQ(model.loads.count(), 4);
    EXPECT_EQ(model.loads[4][kMux], 8);
}

TEST_F(LoadTableFiles, PastedRowsInTheUnitsShown) {
    useForceUnit("lbs");
    loads.activate();
    ASSERT_TRUE(loads.paste("-100000\t0\t0\n"));
    ASSERT_TRUE(loads.update());
    EXPECT_EQ(model.loads[1][kPu], -100); // kips inside
    EXPECT_EQ(loads.cellText(0, kPu), "-100,000.00");
}

TEST_F(LoadTableFiles, APastePastFortyRowsIsTakenAndOneNotANumberIsRefused) {
    std::string many;
    for (int i = 0; i < 38; ++i) {
        many += "-1\t1\t1\n";
    }
    ASSERT_TRUE(loads.paste(many));
    EXPECT_TRUE(loads.paste("-1\t1\t1\n-2\t2\t2\n-3\t3\t3\n"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(loads.view().rows.size(), 41u);
    EXPECT_FALSE(loads.paste("-1\tabc\t1\n"));
    EXPECT_EQ(platform.messages.back(),
              "The pasted rows: line 1, column 2: Mux \"abc\" is not a finite number");
    EXPECT_EQ(loads.view().rows.size(), 41u);
}

} // namespace
} // namespace pmsect::test
