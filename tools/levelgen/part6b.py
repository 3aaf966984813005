# The sixth part's middle: hard levels before the last stretch.
