# Sixth part of the episode: the last and hardest main levels.
