# Fifth part of the episode: hostiles and machinery combined, after the hard stretch opens.
