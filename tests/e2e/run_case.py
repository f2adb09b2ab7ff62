#!/usr/bin/env python3
"""Runs one end-to-end case of WispaneCalendar.exe under Wine.

    run_case.py --program-dir DIR --probe PROBE.exe MODULE.CASE

MODULE is a test file of this folder without ".py", CASE a test class in it.
"""
import argparse
import importlib
import sys
import unittest

import e2e_support


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("case")
    e2e_support.ARGS = parser.parse_args()
    module_name, case = e2e_support.ARGS.case.rsplit(".", 1)
    module = importlib.import_module(module_name)
    suite = unittest.defaultTestLoader.loadTestsFromName(case, module)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
