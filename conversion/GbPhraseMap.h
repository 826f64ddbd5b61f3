#pragma once
// The phrase-aware Simplified/Traditional mapping of GB (code page 936) text, for systems whose
// LCMapStringA has no such mapping: the phrase converter behind MapGbText's contract. Portable: no windows.h.

#include "conversion/GbChineseMap.h"

// As MapGbText (same arguments, same contract: as many bytes out as in, stray bytes copied), but each run
// of characters goes through the phrase converter (S2T for Traditional, T2S for Simplified). A character
// whose converted form has no code page 936 code, or a code of another length, stays as it was, and so
// does a run the converter gave another number of characters.
int MapGbTextPhrases(TChineseForm form, const char* src, int srcLength, char* dst, int dstCapacity);
