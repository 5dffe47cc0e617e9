// The volley walk: a shot is made only once a free slot is found for it, in index order, so a
// volley that meets a full array makes (and draws random numbers for) nothing it cannot place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/volley.h"

TEST(VolleyTest, ShotsAreMadeOnlyForTheFreeSlotsTheyTakeInIndexOrder) {
    struct Case {
        std::string before;  // '#' a slot in use, '.' a free one
        int size;
        std::string after;  // the digit n where shot n went
        bool complete;
        int spare;  // free slots left past the last shot placed
    };
    const Case cases[] = {
        {"......", 3, "012...", true, 3},
        {"#.#..#.", 3, "#0#12#.", true, 1},
        {"##.#..", 4, "##0#12", false, 0},
        {"####", 2, "####", false, 0},
        {"", 1, "", false, 0},
    };
    EnemyShot taken(nullptr, nullptr, nullptr, MakeRect(0, 0, 1, 1), MovePattern::Radial);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        std::vector<EnemyShot*> slots;
        for (char s : c.before) slots.push_back(s == '#' ? &taken : nullptr);
        std::vector<EnemyShot*> made;
        Volley volley(slots.data(), static_cast<int>(slots.size()), c.size);
        auto make = [&](int n) {
            EXPECT_EQ(n, static_cast<int>(made.size()));
            EXPECT_EQ(volley.Placed(), n);
            made.push_back(new EnemyShot(nullptr, nullptr, nullptr, MakeRect(n, 0, 1, 1), MovePattern::Radial));
            return made.back();
        };
        volley.Fill(make);
        // Complete or short, the volley has no slot left for one more.
        EXPECT_EQ(volley.Add([&] { return make(-1); }), nullptr);

        std::string after;
        for (EnemyShot* shot : slots) {
            if (shot == &taken)
                after += '#';
            else if (shot == nullptr)
                after += '.';
            else
                after += static_cast<char>('0' + shot->GetRect().x);
        }
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(volley.Placed(), static_cast<int>(made.size()));
        EXPECT_EQ(volley.Complete(), c.complete);
        EXPECT_TRUE(volley.SpareSlots(c.spare));
        EXPECT_FALSE(volley.SpareSlots(c.spare + 1));
        for (EnemyShot* shot : made) delete shot;
    }
}
