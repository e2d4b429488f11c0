// The whole of tarvok's library: read an EBML file into an element tree,
// walk the tree, print it as tarvok does.
//
//   #include <tarvok.h>
//   tarvok::Master root("film.mkv", stderr);  // diagnostics to stderr
//   for (int i = 0; i < root.childCount(); ++i) ... root.child(i)->definition()->name ...
//
// Find it with find_package(tarvok) and link tarvok::tarvok.
#pragma once

#include "app/tarvok_dump.h"
#include "codec/tarvok_definition.h"
#include "codec/tarvok_dictionary.h"
#include "codec/tarvok_element_type.h"
#include "codec/tarvok_input.h"
#include "codec/tarvok_vint.h"
#include "tree/tarvok_element.h"
#include "tree/tarvok_master.h"
#include "tree/tarvok_primitives.h"
#include "tree/tarvok_strings.h"
