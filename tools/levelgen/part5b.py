# The fifth part's second half: more of the last third, before the hardest levels.
