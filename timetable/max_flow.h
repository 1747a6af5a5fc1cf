// Maximum flow by Ford–Fulkerson with the labelling method.
//
// The network is a dense capacity matrix over vertices 1..сток (the sink is the
// highest vertex). Each round labels vertices from the source, always scanning
// the lowest-numbered labelled vertex not yet scanned, and augments along the
// labels as soon as the sink is labelled. The scan order is part of the result:
// among maximum flows it picks the one the days-off layout relies on.
// Cost: one round per unit of flow at most, each O(edges) with adjacency lists.
#pragma once

#include "core/main_record.h"

namespace korvella {

// Teachers + days + source + sink.
constexpr int kМаксимум_вершин_сети = kМаксимум_преподавателей + kМаксимум_дней + 2;

using Матрица_сети = Матрица<int32, kМаксимум_вершин_сети, kМаксимум_вершин_сети>;

// Fills `поток` (all cells) with a maximum flow from `исток` to `сток`.
void Максимальный_поток(const Матрица_сети& пропускные, int исток, int сток, Матрица_сети& поток);

}  // namespace korvella
