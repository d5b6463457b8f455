#!/usr/bin/env python3
"""Writes the performance page from the benchmark programs' records.

    perf_report.py RECORDS MACHINE OUT

RECORDS holds the tab-separated lines the benchmark programs append when
VYR_BENCH_RECORD names the file (bench/BenchFigures.h):
    program, figure, value, unit, baseline, baseline value, ratio, goal, result
MACHINE holds "key<TAB>value" lines describing the run, shown in that order;
the key "failed" names a program that did not finish and may repeat.
The result of each figure is taken as the program judged it.
"""
import sys

FIELDS = ("program", "figure", "value", "unit", "baseline", "baseline_value",
          "ratio", "goal", "result")
RESULTS = ("met", "MISSED", "no goal", "not run")


class RecordError(ValueError):
    pass


def read_records(lines):
    """The records as dicts, in the order given; blank lines are skipped."""
    records = []
    for index, line in enumerate(lines, 1):
        line = line.rstrip("\n")
        if not line.strip():
            continue
        parts = line.split("\t")
        if len(parts) != len(FIELDS):
            raise RecordError(f"record {index}: {len(parts)} fields, {len(FIELDS)} expected")
        record = dict(zip(FIELDS, parts))
        if record["result"] not in RESULTS:
            raise RecordError(f"record {index}: unknown result {record['result']!r}")
        for key in ("value", "baseline_value", "ratio"):
            try:
                if record[key]:
                    float(record[key])
            except ValueError:
                raise RecordError(f"record {index}: {key} {record[key]!r} is not a number") from None
        records.append(record)
    return records


def read_machine(lines):
    """The (key, value) pairs of the run, and the programs that failed."""
    facts, failed = [], []
    for line in lines:
        key, _, value = line.rstrip("\n").partition("\t")
        if not key:
            continue
        if key == "failed":
            failed.append(value)
        else:
            facts.append((key, value))
    return facts, failed


def number(text):
    """A recorded number as the page shows it: 1,234 / 12.3 / 1.23 / 0.0123."""
    if text == "":
        return ""
    v = float(text)
    if abs(v) >= 1000:
        return f"{v:,.0f}"
    if abs(v) >= 10:
        return f"{v:.1f}"
    if abs(v) >= 1 or v == 0:
        return f"{v:.2f}"
    return f"{v:.3g}"


def cell(text):
    """Text made safe for a table cell."""
    return text.replace("\\", "\\\\").replace("|", "\\|")


def with_unit(value, unit):
    shown = number(value)
    return f"{shown} {unit}".strip() if shown else ""


def row(r):
    if r["result"] == "not run":
        ours = "not run"
    else:
        ours = with_unit(r["value"], r["unit"])
    baseline = ""
    if r["baseline"]:
        measured = with_unit(r["baseline_value"], r["unit"]) or "not run"
        baseline = f"{r['baseline']}: {measured}"
    result = "**MISSED**" if r["result"] == "MISSED" else r["result"]
    cells = [cell(c) for c in (r["figure"], ours, baseline, number(r["ratio"]), r["goal"] or "none")]
    return "| " + " | ".join(cells + [result]) + " |"


def summary(records, failed):
    count = {k: sum(1 for r in records if r["result"] == k) for k in RESULTS}
    text = (f"**{count['met']} goals met, {count['MISSED']} missed**, "
            f"{count['no goal']} figures without a goal, {count['not run']} not run "
            f"({len(records)} figures).")
    if failed:
        text += " Programs that did not finish: " + ", ".join(cell(f) for f in failed) + "."
    return text


def page(records, facts, failed):
    out = ["# Performance", "",
           "The figures of the benchmark programs in bench/, each beside the baseline it is",
           "compared with (measured in the same run) and its goal. Times are CPU time per",
           "operation unless a figure says otherwise.",
           "Regenerate this page with `make perf-report` (scripts/perf-report.sh).", "",
           summary(records, failed), "", "## Machine", "", "| | |", "|---|---|"]
    out += [f"| {cell(k)} | {cell(v)} |" for k, v in facts]
    programs = list(dict.fromkeys(r["program"] for r in records))
    for program in programs:
        out += ["", f"## {program}", "", f"bench/{program}.cpp", "",
                "| figure | ours | baseline | ratio | goal | result |",
                "|---|---:|---|---:|---|---|"]
        out += [row(r) for r in records if r["program"] == program]
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 4:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    try:
        with open(argv[1], encoding="utf-8") as f:
            records = read_records(f)
        with open(argv[2], encoding="utf-8") as f:
            facts, failed = read_machine(f)
    except (OSError, RecordError) as e:
        print(f"perf_report: {e}", file=sys.stderr)
        return 1
    with open(argv[3], "w", encoding="utf-8") as f:
        f.write(page(records, facts, failed))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
