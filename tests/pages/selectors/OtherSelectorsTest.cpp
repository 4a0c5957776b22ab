// The FX chain selector and the selectors over banks without a live row.

#include "library/RevuDIAudioProcessor.h"
#include "pages/selectors/FxcSelClass.h"
#include "pages/selectors/PlainSelectors.h"
#include "support/BankBuilder.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <set>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct OtherSelectors : ProcessorFixture
{
    OtherSelectors()
    {
        controller().scan().stop();
        controller().connection().openOutputPort (1);
        ports->log->clear();
    }
    template <typename Page>
    void show (Page& page, int number = 0)
    {
        page.setSize (992, 710);
        page.setVisible (true);
        page.openOn (number);
    }
};
} // namespace

TEST_F (OtherSelectors, ChainsAreGroupedByTheirEffectsAndSelectingSetsTheChannelsChainRow)
{
    FxcSelClass chains (processor->controller());
    chains.setTarget (LiveTable::slotAux1Chain, 9);
    show (chains);
    auto& fx = controller().model().fxChains();

    const auto* booth = chains.list().find (1);
    ASSERT_NE (booth, nullptr);
    EXPECT_EQ (booth->name, "Little Booth");
    EXPECT_EQ (booth->extra[0], "Rvrb");

    // A chain stands in a category once, however many of its effects name it.
    for (int category = 1; category <= 17; ++category)
    {
        const auto& numbers = fx.categoryList (category);
        const std::set<int> distinct (numbers.begin(), numbers.end());
        chains.setCategoryFilter (category);
        EXPECT_EQ (chains.list().size(), (int) distinct.size()) << category;
        EXPECT_EQ (chains.categoryBox().isItemEnabled (category + 2), ! distinct.empty()) << category;
    }
    chains.setCategoryFilter (fxReverb);
    EXPECT_NE (chains.list().rowOf (1), -1);
    chains.setCategoryFilter (fxEcho);
    EXPECT_EQ (chains.list().size(), 0);
    chains.setCategoryFilter (-1);

    const int row = LiveTable::channelRow (9, LiveTable::slotAux1Chain);
    ASSERT_TRUE (chains.choose (2));
    EXPECT_EQ (controller().getLiveValue (row), 2);
    EXPECT_EQ (controller().programs().effects (9).chains[ChannelEffects::aux1], 2) << "the effect selection is rebuilt";
    EXPECT_EQ (controller().programs().effects (9).names[ChannelEffects::aux1], fx.bank().name (2));
    EXPECT_EQ (ports->log->controllers().size(), 7u) << "one controller-address message";

    chains.setTarget (LiveTable::slotInsertChain, 99);
    EXPECT_EQ (chains.channel(), 15);
    EXPECT_EQ (chains.targetText(), "Ch. 16  Insert");
    chains.setTarget (4, 0);
    EXPECT_EQ (chains.slot(), LiveTable::slotInsertChain) << "a slot that is no chain slot is taken as the insert";
}

TEST_F (OtherSelectors, SelectorsWithoutALiveRowKeepTheChoiceForWhoeverAskedAndSendNothing)
{
    KmpSelClass keyMaps (processor->controller());
    show (keyMaps);
    EXPECT_EQ (keyMaps.list().size(), (int) controller().model().keyMap.bank().idList (4).size());
    std::vector<int> told;
    keyMaps.onChosen = [&] (int n) { told.push_back (n); };
    const int first = keyMaps.list().row (0).number;
    ASSERT_TRUE (keyMaps.choose (first));
    EXPECT_EQ (told, std::vector<int> { first });
    EXPECT_EQ (keyMaps.litNumber(), first);
    EXPECT_TRUE (ports->log->sent.empty());

    ArpSelClass arps (processor->controller());
    show (arps, 1);
    EXPECT_EQ (arps.litNumber(), 1);
    EXPECT_EQ (arps.list().find (1)->extra[0], controller().model().arpeggiator.arpModeText (1));
    EXPECT_TRUE (arps.actionButton (ObjectSelector::actionEdit).isVisible());
    EXPECT_FALSE (arps.actionButton (ObjectSelector::actionEdit).isEnabled()) << "greyed until an editor hooks in";
    bool edited = false;
    arps.onEdit = [&] (int) { edited = true; };
    arps.updateActions();
    arps.gskButtonPressed (ObjectSelector::actionEdit);
    EXPECT_TRUE (edited);

    // Songs and algorithms are not read at start: the pages say so, and list what a fetch stores.
    SongSelClass songs (processor->controller());
    show (songs);
    EXPECT_EQ (songs.list().size(), 0);
    EXPECT_EQ (songs.emptyListText(), "No songs fetched yet: receive them from the instrument first");
    EXPECT_FALSE (songs.enterNumber ("1"));

    AlgSelClass algorithms (processor->controller());
    show (algorithms);
    auto data = makeRecord ("", 24);
    controller().model().algorithm.indexBank (ByteView (makeFullBank (typeAlgorithm, 12, { { 3, data }, { 11, data } })), 148);
    controller().deliverModelChanges();
    runMessageLoopFor (20);
    ASSERT_EQ (algorithms.list().size(), 2);
    EXPECT_EQ (algorithms.list().row (1).name, "Algorithm 11");
    algorithms.setSearchText ("11");
    EXPECT_EQ (algorithms.list().size(), 1);
}
