"""``python3 -m varnelo``: the varnelo command (varnelo.cli)."""
from .cli import main

raise SystemExit(main())
