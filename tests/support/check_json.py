#!/usr/bin/python3
"""quorvane-check's JSON output against check/quorvane-check.schema.json, for every test that reads it.

    check_json.py [--schema FILE] KIND [FILE]

KIND is a definition of the schema: `report` (quorvane-check --json) or `libraryList` (--list-libraries
--json). The document is read from FILE, or from standard input. Exit status: 0 the document holds to the
schema, 1 it does not (each fault on standard error, with where it is), 2 no document or no such KIND.

As a module, `schema()` and `definition()` give the schema to other checks of the tests.
"""
import argparse
import json
import sys
from pathlib import Path

import jsonschema

SCHEMA = Path(__file__).resolve().parents[2] / "check" / "quorvane-check.schema.json"


def schema(path=SCHEMA):
    with open(path, encoding="utf-8") as f:
        document = json.load(f)
    jsonschema.Draft202012Validator.check_schema(document)
    return document


def definition(root, kind):
    """The schema of one kind of document, resolving its references within `root`."""
    if kind not in root["$defs"]:
        raise KeyError(f"the schema defines no {kind!r}; it defines {', '.join(sorted(root['$defs']))}")
    return dict(root, **{"$ref": f"#/$defs/{kind}"})


def faults(root, kind, document):
    """Every way the document differs from the schema, as lines naming where."""
    validator = jsonschema.Draft202012Validator(definition(root, kind))
    found = []
    for error in sorted(validator.iter_errors(document), key=lambda e: [(isinstance(p, str), p) for p in e.absolute_path]):
        where = "".join(f"[{p}]" if isinstance(p, int) else f".{p}" for p in error.absolute_path) or "(the document)"
        found.append(f"{where}: {error.message}")
    return found


def main():
    parser = argparse.ArgumentParser(description="Checks quorvane-check's JSON output against its schema.")
    parser.add_argument("--schema", default=SCHEMA, help="the schema file (the repository's)")
    parser.add_argument("kind", help="report or libraryList")
    parser.add_argument("file", nargs="?", help="the document (standard input when not given)")
    arguments = parser.parse_args()
    name = arguments.file or "standard input"
    try:
        root = schema(arguments.schema)
        text = open(arguments.file, encoding="utf-8").read() if arguments.file else sys.stdin.read()
        document = json.loads(text)
        found = faults(root, arguments.kind, document)
    except (OSError, ValueError, KeyError) as error:
        print(f"check_json.py: {name}: {error}", file=sys.stderr)
        return 2
    for fault in found:
        print(f"{name}: {fault}", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
