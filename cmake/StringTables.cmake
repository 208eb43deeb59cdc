# String tables: generated from res/strings and compiled into tavrel_core.
