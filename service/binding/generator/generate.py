#!/usr/bin/env python3
"""Generates one part of the service binding from the service description.

    generate.py <description> <output directory> <emitter module>

The pipeline: load the description, check it (model.py), then run the named
emitter, which writes its own files into the output directory. Each emitter is a
module with a function emit(model, outdir) and a list OUTPUTS of the files it writes.
"""

import importlib
import os
import sys

import model


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    description, outdir, emitter_name = argv[1:]
    try:
        service = model.load(description)
    except model.DescriptionError as e:
        sys.exit("service description: %s" % e)
    emitter = importlib.import_module(emitter_name)
    os.makedirs(outdir, exist_ok=True)
    try:
        emitter.emit(service, outdir)
    except model.DescriptionError as e:
        sys.exit("%s: %s" % (emitter_name, e))


if __name__ == "__main__":
    main(sys.argv)
