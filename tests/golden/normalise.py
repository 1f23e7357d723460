#!/usr/bin/env python3
"""Normalises kinemo-cli judge output for the golden files: LF line ends, and every
decimal number rounded to ten significant digits, so that compilers that differ in the
last bits of a result still compare equal while any change in physics shows."""
import re
import sys

NUMBER = re.compile(r"(?<![A-Za-z0-9_.])([-+]?\d+\.\d+(?:[eE][-+]?\d+)?|[-+]?\d+[eE][-+]?\d+)(?![A-Za-z0-9_.])")


def round_number(match):
    text = match.group(1)
    value = float(text)
    if value == 0:
        return "0"
    return "%.10g" % value


def main():
    data = sys.stdin.buffer.read().decode("utf-8")
    for line in data.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        sys.stdout.write(NUMBER.sub(round_number, line) + "\n")


if __name__ == "__main__":
    main()
