# The bonus row's last levels.
