// Brings BodyTable to one instant: the Sun, the Moon and the planets Mercury to Pluto.
#pragma once

// Fills the table on first use, then computes every body's geocentric right ascension and
// declination for the date (day with the time of day as its fraction).
void ComputeBodyPositions(int year, int month, double day);
