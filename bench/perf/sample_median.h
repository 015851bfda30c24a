#pragma once

#include <vector>

// The median of a set of measurements (the mean of the middle two for an even count);
// 0 for none. Medians keep one slow outlier, such as a first run with cold caches, from
// moving the figure.
double SampleMedian(std::vector<double> samples);
