#include "boardlayout.h"
#include "fakeservices.h"
#include "fuzzcheck.h"
#include "game.h"
#include "glyphmapping.h"
#include "picturefolder.h"
#include "randomsource.h"
#include "testsets.h"
#include "worddraw.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Settings as only a damaged settings file or a bug could give them (any
// byte in every field, mini above maxi), then a few turns played on them.
namespace {

GameSettings anySettings(FuzzedDataProvider &in)
{
    GameSettings s;
    s.StyleCaracteres = in.ConsumeIntegral<std::uint8_t>();
    s.TypeExercice = in.ConsumeIntegral<std::uint8_t>();
    s.TailleMini = in.ConsumeIntegral<std::uint8_t>();
    s.TailleMaxi = in.ConsumeIntegral<std::uint8_t>();
    s.MotsAccentues = in.ConsumeBool();
    s.TraitsApparents = in.ConsumeBool();
    return s;
}

void checkTurn(const Game &game, const FakeServices &services)
{
    const TurnState &t = game.turn();
    FUZZ_CHECK(services.errors.isEmpty());
    FUZZ_CHECK(t.NumeroMot >= 1 && t.NumeroMot <= 607);
    FUZZ_CHECK(t.PositionBonne >= 1 && t.PositionBonne <= 4);
    FUZZ_CHECK(t.Serie <= 10);
    FUZZ_CHECK(t.NombreClics == std::count(t.DejaClique.begin() + 1, t.DejaClique.end(), true));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static PictureFolder folder;
    static const GlyphSets sets = TestSets::make();
    FuzzedDataProvider in(data, size);

    const GameSettings settings = anySettings(in);
    const auto motPrecedent = in.ConsumeIntegral<std::int32_t>();
    RandomSource random;
    random.setSeed(in.ConsumeIntegral<std::uint32_t>());
    const int drawn = WordDraw::draw(random, settings, motPrecedent);
    FUZZ_CHECK(drawn >= 1 && drawn <= 607);

    FakeServices services;
    services.clockMs = in.ConsumeIntegralInRange<int>(0, 86399999);
    Game game(services, sets, {folder.path()});
    game.settings() = settings;
    game.turn().MotPrecedent = motPrecedent;
    // Between turns the streak is 0..9: it reaches 10 only inside the flash,
    // which sets it back to 0 (mode 7 may pass 10 there, nested in a pause).
    game.turn().Serie = in.ConsumeIntegralInRange<std::uint8_t>(0, 9);
    game.NouveauMot();
    checkTurn(game, services);
    if (settings.StyleCaracteres < 1 || settings.StyleCaracteres > 3) {
        // No letter set for this style: the name line keeps its blanks.
        const int length = int(game.turn().NomAffiche.size());
        for (int i = 1; i <= length; ++i)
            FUZZ_CHECK(TestSets::glyphAt(game.board(), BoardLayout::glyphAt(i, length) + QPoint(5, 10), 1)
                       == GlyphCode::kBlank);
    }

    // A short game: clicks anywhere, ticks, "Suite", the style button.
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: game.clickAt(QPoint(in.ConsumeIntegralInRange(-10, 340), in.ConsumeIntegralInRange(-10, 260))); break;
        case 1: game.test_reponse(); break;
        case 2:
            services.clockMs = (services.clockMs + 1 + in.ConsumeIntegral<std::uint16_t>()) % 86400000;
            game.Jeu_Suivant();
            break;
        case 3: game.Reponse(); break;
        }
        checkTurn(game, services);
    }
    return 0;
}
