#!/usr/bin/env python3
"""Reads an exported view as a spreadsheet program would and prints its rows as JSON.

usage: read_export.py xml|csv-utf8 FILE
"""
import csv
import json
import sys
import xml.etree.ElementTree as ElementTree

NS = "{urn:schemas-microsoft-com:office:spreadsheet}"


def read_xml(path):
    table = ElementTree.parse(path).getroot().find(f"{NS}Worksheet/{NS}Table")
    return [[cell.findtext(f"{NS}Data", default="") for cell in row.findall(f"{NS}Cell")]
            for row in table.findall(f"{NS}Row")]


def read_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as file:
        return list(csv.reader(file, delimiter=";"))


def main():
    kind, path = sys.argv[1], sys.argv[2]
    rows = read_xml(path) if kind == "xml" else read_csv(path)
    json.dump(rows, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main()
