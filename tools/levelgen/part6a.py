# The sixth part's first half: hard levels before the last stretch.
