// Replaced by the skin engine sources as they land.
