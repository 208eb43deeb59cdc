# Artwork: SVG sources in res/art rendered to PNG resources at build time.
