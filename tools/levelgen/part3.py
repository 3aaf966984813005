# Third part of the episode: hostiles and the board's pieces combined in wider rooms.
