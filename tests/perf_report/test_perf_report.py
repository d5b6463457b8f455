#!/usr/bin/env python3
"""The performance page generator on small records files."""
import math
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "..", "scripts", "perf_report.py")

# program, figure, value, unit, baseline, baseline value, ratio, goal, result
RECORDS = [
    ("calbar", "month step", "120.5", "us", "full paint", "300", "0.401667", "< 500 us", "met"),
    ("calbar", "value change", "75", "us", "full paint", "60", "1.25", "< 50 us", "MISSED"),
    ("canvas", "line_100px", "12.5", "ns", "Qt", "", "", "", "no goal"),
    ("canvas", "grep ^(Ma|Jo)", "", "ms", "PCRE2 | JIT", "", "", "ratio <= 1.5", "not run"),
    ("calbar", "full paint", "1234.5", "us", "", "", "", "", "no goal"),
]
MACHINE = [("CPU", "Some CPU @ 2.0GHz"), ("Load average at the start", "3.1 2.0 1.5"),
           ("failed", "bench_treeview (exit 134)")]


def tsv(rows):
    return "".join("\t".join(r) + "\n" for r in rows)


def split_row(line):
    """The cells of a markdown table row, unescaping \\|."""
    cells, current, i = [], "", 1
    while i < len(line):
        if line[i] == "\\" and i + 1 < len(line):
            current += line[i + 1]
            i += 2
            continue
        if line[i] == "|":
            cells.append(current.strip())
            current = ""
        else:
            current += line[i]
        i += 1
    return cells


class Generator(unittest.TestCase):
    def run_generator(self, records, machine):
        tmp = tempfile.mkdtemp()
        paths = [os.path.join(tmp, n) for n in ("records.tsv", "machine.tsv", "page.md")]
        with open(paths[0], "w") as f:
            f.write(records)
        with open(paths[1], "w") as f:
            f.write(tsv(machine))
        done = subprocess.run([sys.executable, SCRIPT] + paths, capture_output=True, text=True)
        page = None
        if os.path.exists(paths[2]):
            with open(paths[2]) as f:
                page = f.read()
        return done, page

    def rows_of(self, page):
        return {split_row(l)[0]: split_row(l) for l in page.splitlines()
                if l.startswith("| ") and not l.startswith("| figure") and len(split_row(l)) == 6}

    def test_every_figure_has_its_row_and_result(self):
        done, page = self.run_generator(tsv(RECORDS), MACHINE)
        self.assertEqual(done.returncode, 0, done.stderr)
        rows = self.rows_of(page)
        for r in RECORDS:
            cells = rows[r[1]]
            shown = "**MISSED**" if r[8] == "MISSED" else r[8]
            self.assertEqual(cells[5], shown, r[1])
            self.assertEqual(cells[4], r[7] or "none", r[1])
            if r[8] != "not run":
                # Shown rounded to three or four significant digits.
                shown_value = float(cells[1].split()[0].replace(",", ""))
                self.assertTrue(math.isclose(shown_value, float(r[2]), rel_tol=5e-3), cells[1])
                self.assertEqual(cells[1].split()[-1], r[3])
            if r[4]:
                self.assertTrue(cells[2].startswith(r[4] + ":"), cells[2])

    def test_only_missed_goals_are_bold(self):
        _, page = self.run_generator(tsv(RECORDS), MACHINE)
        missed = sum(1 for r in RECORDS if r[8] == "MISSED")
        self.assertEqual(page.count("**MISSED**"), missed)
        for line in page.splitlines():
            if "| met |" in line:
                self.assertNotIn("**", line)

    def test_summary_counts_the_results(self):
        _, page = self.run_generator(tsv(RECORDS), MACHINE)
        count = {k: sum(1 for r in RECORDS if r[8] == k) for k in ("met", "MISSED", "no goal", "not run")}
        summary = next(l for l in page.splitlines() if "goals met" in l)
        self.assertIn(f"{count['met']} goals met, {count['MISSED']} missed", summary)
        self.assertIn(f"{count['no goal']} figures without a goal", summary)
        self.assertIn(f"{count['not run']} not run", summary)
        self.assertIn("bench_treeview (exit 134)", summary)
        self.assertLess(page.index("goals met"), page.index("## calbar"))

    def test_programs_in_first_seen_order_with_machine_facts(self):
        _, page = self.run_generator(tsv(RECORDS), MACHINE)
        self.assertLess(page.index("## calbar"), page.index("## canvas"))
        self.assertEqual(page.count("## calbar"), 1)
        for key, value in MACHINE[:2]:
            self.assertIn(f"| {key} | {value} |", page)
        self.assertLess(page.index(MACHINE[0][1]), page.index(MACHINE[1][1]))
        self.assertIn("make perf-report", page)

    def test_malformed_records_are_refused_and_no_page_written(self):
        good = tsv(RECORDS[:1])
        for bad in (good.replace("\tus\t", "\t", 1),           # a field missing
                    good.replace("\tmet\n", "\tok\n"),         # an unknown result
                    good.replace("120.5", "fast")):            # a value that is no number
            done, page = self.run_generator(bad, MACHINE)
            self.assertEqual(done.returncode, 1, bad)
            self.assertIn("record 1", done.stderr)
            self.assertIsNone(page)


if __name__ == "__main__":
    unittest.main()
