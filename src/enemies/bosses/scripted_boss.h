// A boss whose script is data: phase 0 is the slide-in that Self::kEntry describes, and phase p
// from 1 on is row p - 1 of Self::kScript. A row says how long the phase lasts, which phase
// follows it (or which one when the class's test says so), what a switch into it resets, and
// which of the class's member functions runs its ticks (act or body); `with` carries what else that body reads,
// usually the attack it fires. Phases are named by the class's own enum, 0 being the entry.
//
// Every phase runs the same skeleton: on the tick that reached the length the boss switches and
// does nothing else that frame; on every other tick the body runs and the tick is counted. A
// phase of length L therefore lasts L + 1 frames.
#pragma once

#include "enemies/bosses/boss.h"

struct NoPhaseValues {};

template <class Self, class Values = NoPhaseValues>
class ScriptedBoss : public Boss {
public:
    struct Phase {
        int length;
        int next;
        int branch = 0;                            // taken instead of next when branchIf holds
        bool (Self::*branchIf)() const = nullptr;  // asked once, at the switch
        int angle = kKeep;                         // a switch into the phase aims from here
        int frame = kKeep;                         // ... and shows this cell
        // The body that runs the phase's ticks: act when it needs nothing but the boss, body when it
        // reads its row or moves the boss.
        void (Self::*body)(const Phase& current, int& dx, int& dy) = nullptr;
        void (Self::*act)() = nullptr;
        Values with = {};
    };

protected:
    ScriptedBoss(SDL_Surface* screen, const Spawn& at, Energy energy, const BossTraits& traits)
        : Boss(screen, at, energy, traits) {
        phaseLength = Self::kEntry.length;
    }

    void RunScript(int& dx, int& dy) final {
        if (phase == 0) {
            if (SlideIn(Self::kEntry, dx, dy)) SwitchTo(1);
            return;
        }
        const Phase& current = Self::kScript[phase - 1];
        if (phaseTick == phaseLength) {
            SwitchTo(current.branchIf && (self().*current.branchIf)() ? current.branch : current.next);
            return;
        }
        if (current.act)
            (self().*current.act)();
        else
            (self().*current.body)(current, dx, dy);
        CountTick();
    }

    // A body may switch in the middle of its tick; the tick is still counted.
    void SwitchTo(int next) {
        const Phase& row = Self::kScript[next - 1];
        StartPhase(next, row.length, row.angle, row.frame);
    }

private:
    Self& self() { return static_cast<Self&>(*this); }
};
