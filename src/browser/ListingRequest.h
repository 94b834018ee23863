#pragma once

#include <QString>

class ListingState;

/** The web API address that lists the page `state` names: /lists for the
 *  categories "30" and "32", /files otherwise. Field values go in as held. */
QString ListingAddress(const ListingState& state);
