#!/usr/bin/env python3
"""Prints Google Benchmark JSON results as one table: per benchmark its rate
and every user counter (the ratios against the same run's baselines)."""
import json
import sys

STANDARD = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
            "iterations", "real_time", "cpu_time", "time_unit", "family_index",
            "per_family_instance_index", "aggregate_name", "aggregate_unit", "bytes_per_second",
            "items_per_second", "label", "error_occurred", "error_message"}


def rate(value):
    for scale, suffix in ((1e9, "G"), (1e6, "M"), (1e3, "k")):
        if value >= scale:
            return f"{value / scale:.2f}{suffix}/s"
    return f"{value:.0f}/s"


def rows(paths):
    for path in paths:
        with open(path) as file:
            text = file.read()
        # A program whose benchmarks all miss the filter writes nothing.
        if not text.strip():
            continue
        for entry in json.loads(text)["benchmarks"]:
            counters = {k: v for k, v in entry.items() if k not in STANDARD}
            yield (entry["name"], entry.get("items_per_second"),
                   f'{entry["real_time"]:.2f} {entry["time_unit"]}', counters)


def main(paths):
    table = list(rows(paths))
    width = max((len(name) for name, *_ in table), default=10)
    print(f'{"benchmark":<{width}}  {"time":>14}  {"rate":>12}  figures')
    for name, items, time, counters in table:
        shown = "  ".join(f"{k}={v:.3g}" for k, v in sorted(counters.items()))
        print(f"{name:<{width}}  {time:>14}  {rate(items) if items else '':>12}  {shown}")


if __name__ == "__main__":
    main(sys.argv[1:])
