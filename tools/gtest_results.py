#!/usr/bin/env python3
"""Runs a GoogleTest executable once for all its cases and reports each case from the results it wrote, so that
CTest can show every case as a test of its own where a process per case would cost too much (a Wine program's start).

    gtest_results.py run XML CASES -- COMMAND...   runs COMMAND, which writes its results to XML (older results are
                                                  removed first); fails when it wrote none, or ran a case that the
                                                  file CASES (one Suite.Case a line) does not list, since CTest would
                                                  not show it
    gtest_results.py case XML Suite.Case          one case's outcome: its failures (exit 1), "[  SKIPPED ]" and
                                                  the reason (exit 0), or that it passed (exit 0)
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET


def results(xml):
    return {f'{c.get("classname")}.{c.get("name")}': c for c in ET.parse(xml).getroot().iter("testcase")}


def run(xml, listed, command):
    if os.path.exists(xml):
        os.remove(xml)
    code = subprocess.call(command)
    if not os.path.exists(xml):
        print(f"the suite ended (exit code {code}) without writing its results to {xml}")
        return 1
    with open(listed, encoding="utf-8") as f:
        known = set(f.read().split())
    unknown = sorted(set(results(xml)) - known)
    if unknown:
        print("cases CTest does not list (each needs TEST(Suite, Case) or TEST_F(...) on one line):")
        print("\n".join("  " + name for name in unknown))
        return 1
    return 0


def case(xml, name):
    if not os.path.exists(xml):
        print(f"no results in {xml}: the run of the whole suite (a test of its own) failed")
        return 1
    found = results(xml).get(name)
    if found is None:
        print(f"{name} did not run: see the run of the whole suite (a test of its own)")
        return 1
    failures = found.findall("failure")
    for failure in failures:
        print(failure.text or failure.get("message"))
    skipped = found.find("skipped")
    if found.get("result") == "skipped" or found.get("status") == "notrun":
        print("[  SKIPPED ]", name, skipped.get("message", "") if skipped is not None else "")
        return 0
    print(f"{name}: {'FAILED' if failures else 'passed'} ({found.get('time')} s)")
    return 1 if failures else 0


def main(args):
    if len(args) >= 5 and args[0] == "run" and args[3] == "--":
        return run(args[1], args[2], args[4:])
    if len(args) == 3 and args[0] == "case":
        return case(args[1], args[2])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
