#pragma once

#include "net/daytime_client.h"

#include <functional>
#include <memory>

// Makes the Daytime client of one run; tests hand out clients of their own.
using DaytimeClientFactory = std::function<std::unique_ptr<TDaytimeClient>()>;

// Plain clients with the component's defaults.
DaytimeClientFactory DefaultDaytimeClientFactory();
