#pragma once

// How finely the equivalent pond's stages are held: each stage is a single float, written
// to the report, the clipboard and the project file with 7 significant digits. The
// resolution at a stage is the coarser of the two steps there.
double stageResolution(double stage);

// Stages of a magnitude below this limit are resolved to the given step (ft) or finer; at
// the limit the resolution becomes coarser.
double stageMagnitudeLimit(double step);
