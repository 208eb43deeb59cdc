# The player program, its installation and its desktop entry.
