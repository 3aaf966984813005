# Seventh part: more of the bonus row, among the hardest levels of the episode.
