// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The median of a set of measurements (the mean of the middle two for an even count);
// 0 for none. Medians keep one slow outlier, such as a first run with cold caches, from
// moving the figure.
double SampleMedian(std::vector<double> samples);
