# Fourth part of the episode: the hardest levels before the bonus row.
