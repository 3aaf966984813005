# More of the sixth part's middle.
