# The Qt side: tavrel_gui, the tavrel player and their tests.
