"""Sinoshift's artwork, drawn by tools/gen_assets.py; each module draws or writes one kind of picture."""
