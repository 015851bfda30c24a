#include "timesync/daytime_client_factory.h"

DaytimeClientFactory DefaultDaytimeClientFactory() {
    return [] { return std::make_unique<TDaytimeClient>(); };
}
