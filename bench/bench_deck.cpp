// The deck's hot paths: a whole shuffle, and loading and decoding one face.
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "deck/Deck.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace quillmere;

static void BM_Shuffle_The_Deck(benchmark::State &state)
{
    Deck deck;
    for (auto _ : state) {
        deck.Shuffle_The_Deck();
        // A pointer held in a variable: the escaped lvalue tells the compiler
        // the order is read, without copying it.
        const Deck::Order *order = &deck.cardOrder();
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_Shuffle_The_Deck);

static void BM_LoadAndDecodeFace(benchmark::State &state)
{
    int card = 0;
    for (auto _ : state) {
        const QImage face = CardBitmaps::loadImage(Card_Face_Table()[static_cast<std::size_t>(card)].bitmapId);
        benchmark::DoNotOptimize(face.constBits());
        card = (card + 1) % 78;
    }
}
BENCHMARK(BM_LoadAndDecodeFace);

// The same shuffle with a clock that costs nothing: what the clock readings cost.
static void BM_Shuffle_The_Deck_FrozenClock(benchmark::State &state)
{
    Deck deck([] { return std::uint64_t(12345); });
    for (auto _ : state) {
        deck.Shuffle_The_Deck();
        const Deck::Order *order = &deck.cardOrder();
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_Shuffle_The_Deck_FrozenClock);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
