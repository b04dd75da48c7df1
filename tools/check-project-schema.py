#!/usr/bin/env python3
"""Validates JSON projects against docs/project.schema.json: the schema itself, every example in
docs/examples/ and in the ```json blocks of docs/project-json.md, and the golden projects converted
to JSON by pmsect-cli; every one of them must then also be read by pmsect-cli itself.
    tools/check-project-schema.py PMSECT_CLI"""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

import jsonschema

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main():
    cli = sys.argv[1]
    with open(os.path.join(ROOT, "docs", "project.schema.json")) as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    examples = []
    for path in sorted(glob.glob(os.path.join(ROOT, "docs", "examples", "*.json"))):
        with open(path) as f:
            examples.append((path, f.read()))
    with open(os.path.join(ROOT, "docs", "project-json.md")) as f:
        blocks = re.findall(r"```json\n(.*?)```", f.read(), re.S)
    examples += [("docs/project-json.md block %d" % (i + 1), b) for i, b in enumerate(blocks)]

    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        for rcs in sorted(glob.glob(os.path.join(ROOT, "tests", "data", "golden", "*.rcs"))):
            out = os.path.join(scratch, os.path.basename(rcs)[:-4] + ".json")
            subprocess.run([cli, "convert", rcs, out], check=True)
            with open(out) as f:
                examples.append((out, f.read()))
        for name, text in examples:
            project = json.loads(text)
            errors = sorted(validator.iter_errors(project), key=lambda e: list(e.path))
            for error in errors:
                print("%s: /%s: %s" % (name, "/".join(map(str, error.path)), error.message))
            failures += len(errors)
            path = os.path.join(scratch, "example.json")
            with open(path, "w") as f:
                f.write(text)
            read = subprocess.run([cli, "summary", path], capture_output=True, text=True)
            if read.returncode != 0:
                print("%s: pmsect-cli refuses it: %s" % (name, read.stderr.strip()))
                failures += 1
    print("%d projects checked against the schema, %d faults" % (len(examples), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
