#!/usr/bin/env python3
"""Writes the fuzz seed corpus under fuzz/corpus/: the project files of the tests (valid ones of
every section and layout), truncated and mangled copies of them, settings files of several
lengths, and typed number texts. Run from the repository root; the output is committed."""
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def project_seeds():
    sources = []
    for folder in ("tests/data/golden", "tests/data/io"):
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".rcs"):
                with open(os.path.join(ROOT, folder, name), "rb") as f:
                    sources.append((name[:-4], f.read()))
    for stem, data in sources:
        write("project_file", stem + ".rcs", data)
        lines = data.split(b"\n")
        # Truncated: after record 2, in the middle of a line, one table line short.
        write("project_file", stem + ".cut_after_counts.rcs", b"\n".join(lines[:2]) + b"\n")
        write("project_file", stem + ".cut_mid_line.rcs", data[: len(data) * 2 // 3])
        write("project_file", stem + ".one_line_short.rcs", b"\n".join(lines[:-2]) + b"\n")
        # LF only, and an extra line at the end.
        write("project_file", stem + ".lf.rcs", data.replace(b"\r\n", b"\n"))
        write("project_file", stem + ".extra_line.rcs", data + b"1,2\r\n")
    default = dict(sources)["default"].decode()
    rows = default.split("\r\n")

    def variant(name, index, text):
        changed = list(rows)
        changed[index] = text
        write("project_file", "default." + name + ".rcs", "\r\n".join(changed))

    variant("counts_over", 1, "101,101,21,41")
    variant("counts_negative", 1, "-1,20,2,0")
    variant("counts_huge", 1, "4,20,2,1E+30")
    variant("materials_text", 2, "145,abc,60000,3155924,29000000")
    variant("materials_nan", 2, "145,nan,60000,3155924,29000000")
    variant("materials_inf", 2, "145,1E+39,60000,3155924,29000000")
    variant("materials_zero", 2, "0,0,0,0,0")
    variant("materials_negative", 2, "-145,-3000,-60000,-3155924,-29000000")
    variant("fy_huge", 2, "145,3000,1E+20,3155924,29000000")
    variant("dims_huge", 3, "3.4E+38,3.4E+38,3.4E+38")
    variant("dims_zero", 3, "0,0,0")
    variant("dims_tiny", 3, "1E-38,1E-45,0")
    variant("cover_huge", 4, "1E+30,1E+30,12,18")
    variant("no_choice", 5, "#FALSE#,#FALSE#,#FALSE#")
    variant("two_choices", 6, "#TRUE#,#TRUE#,#FALSE#")
    variant("spiral", 7, "#FALSE#,#TRUE#")
    variant("bad_flag", 7, "TRUE,#FALSE#")
    variant("totbars_huge", 8, "1E+30,-1E+30")
    variant("list_out", 10, "11,3")
    variant("too_few_fields", 11, "-6")
    variant("too_many_fields", 11, "-6,-9,0")
    variant("point_huge", 12, "3.4E+38,-3.4E+38")
    variant("bar_size_odd", 16, "-3.8125,6.8125,12")
    variant("bar_size_negative", 16, "-3.8125,6.8125,-5")
    variant("barset_huge", len(rows) - 3, "1E+30,5")
    variant("barset_zero", len(rows) - 3, "0,0")
    write("project_file", "empty.rcs", b"")
    write("project_file", "blank_lines.rcs", b"\r\n\r\n\r\n")
    write("project_file", "binary.rcs", bytes(range(256)))
    write("project_file", "nul_in_line.rcs", default.replace("12,18,16", "12\0,18,16"))
    # Collinear and repeated points, a zero-area outline, and loads at the limits.
    degenerate = list(rows)
    degenerate[0] = "3,3"
    degenerate[5] = "#FALSE#,#FALSE#,#TRUE#"
    degenerate[6] = "#FALSE#,#FALSE#,#TRUE#"
    degenerate[1] = "4,3,2,3"
    body = degenerate[:12] + ["0,0", "1,1", "2,2", "0,0", "0,0,5", "0,0,5", "1,1,18",
                              "10,5", "10,5", "0,0,0", "-1E+06,1E+06,-1E+06", "1E+06,0,0", ""]
    write("project_file", "degenerate_outline.rcs", "\r\n".join(body))


def settings_seeds():
    def settings(length=1, moment=4, stress=1, unit_wt=1, force=2, info=1, path=b"projects"):
        data = bytearray(49)
        for offset, value in ((29, length), (32, moment), (35, stress), (38, unit_wt),
                              (41, force), (44, info)):
            struct.pack_into("<h", data, offset, value)
        return bytes(data) + path

    full = settings()
    write("settings_file", "default.dat", full)
    write("settings_file", "si_units.dat", settings(3, 6, 4, 2, 4, 0, b"/srv/projects/bridge"))
    for length in (0, 1, 29, 30, 31, 33, 40, 43, 45, 46, 49):
        write("settings_file", "short_%02d.dat" % length, full[:length])
    write("settings_file", "out_of_range.dat", settings(0, 7, -1, 3, 32767, 2))
    write("settings_file", "negative.dat", settings(-32768, -1, -2, -3, -4, -5))
    write("settings_file", "long_path.dat", settings(path=b"/x" * 2000))
    write("settings_file", "all_ff.dat", b"\xff" * 64)


def number_seeds():
    texts = ["0", "12", "-2", "1.5", ".5", "-.25", "1,000", "12,345,678.9", "1e3", "1.5E-03",
             "3.4028235E+38", "-3.4028235E+38", "1E+39", "1e-46", "1e-400", "  7  ", "\t-8\t",
             "", " ", "-", ".", "+", "1,00", "1.2.3", "0x10", "nan", "inf", "-inf", "1e", "1e+",
             "Ω٣", "12abc", "00012", "1,234.", "+.5e+2", "9" * 60, "0." + "0" * 50 + "1",
             "123456789012345678901234567890", "1,000\n##,##0.00", "-0\n0.00", "2.5\n0",
             "99999.995\n##,##0.00", "1e38\n#,##0.00%", "5\n" + "#" * 200 + "." + "0" * 200]
    for i, text in enumerate(texts):
        write("number_text", "text_%02d.txt" % i, text.encode("utf-8"))


def load_seeds():
    write("load_file", "plain.csv", "Pu,Mux,Muy\n-100,50,0\n-300,120,10\n20,3,5\n")
    write("load_file", "ids_semicolons.csv", "id;Muy;Pu;Mux\r\nA;10;-100;50\r\n\r\nB;0;-300;120\r\n")
    write("load_file", "tabs_no_header.txt", "-100\t50\t0\n-300\t120\t10\n")
    write("load_file", "quoted.csv", '"id","Pu","Mux","Muy"\n"C1, level 2","-1,200.5",3,4\n')
    write("load_file", "bom_extra_columns.csv", "\ufeffCombo,Pu,Vx,Mux,Muy\nLC1,-50,2,0,0\n".encode())
    write("load_file", "zero_and_tension.csv", "Pu,Mux,Muy\n0,0,0\n0,30,40\n50,0,0\n")
    write("load_file", "bad_number.csv", "Pu,Mux,Muy\n-100,abc,0\n")
    write("load_file", "missing_column.csv", "Pu,Mux\n-100,50\n")
    write("load_file", "huge.csv", "Pu,Mux,Muy\n-1E+38,1E+38,3E+38\n")


def json_seeds():
    # Beside these, the corpus holds the golden projects as `pmsect-cli convert` writes them
    # (NAME.project.json), made with the tool itself.
    path = os.path.join(ROOT, "docs", "examples")
    for name in sorted(os.listdir(path)):
        if name.endswith(".project.json"):
            with open(os.path.join(path, name), "rb") as f:
                write("project_json", name, f.read())
    write("project_json", "nested.json", "[" * 200 + "]" * 200)
    write("project_json", "minimal.json", '{"rectB": 16, "rectH": 24}')
    write("project_json", "bad_pointer.json", '{"bars": [{"x": 1, "y": 2, "size": 7.5}]}')


if __name__ == "__main__":
    project_seeds()
    settings_seeds()
    number_seeds()
    load_seeds()
    json_seeds()
