"""Writing generated C++ files."""

import os

BANNER = "// Generated from the service description by %s; do not edit.\n\n"


def write(outdir, name, emitter, text):
    with open(os.path.join(outdir, name), "w", encoding="utf-8") as f:
        f.write(BANNER % emitter + text.rstrip("\n") + "\n")


def each(items, template, **common):
    """Formats template once per item (available as {t}) and joins the results."""
    return "".join(template.format(t=item, **common) for item in items)
