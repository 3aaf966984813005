# The fifth part's last levels.
