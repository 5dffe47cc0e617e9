// Counts the frames of any loop paced by FrameTimer and runs actions between frames: the way
// tests press keys at a given frame of a screen.
#pragma once

#include <functional>
#include <map>

#include "platform/platform.h"

namespace testsupport {

class FrameScript : public platform::Observer {
public:
    FrameScript() { platform::SetObserver(this); }
    ~FrameScript() override { platform::SetObserver(nullptr); }

    // Runs action after the given number of frames have ended (before frame `frame` starts,
    // counting from 0). Several actions may share a frame.
    void At(int frame, std::function<void()> action) { actions.emplace(frame, std::move(action)); }
    // Runs action after every frame, with the number of frames ended so far.
    void Every(std::function<void(int)> action) { everyFrame = std::move(action); }

    int Frames() const { return frames; }

    void BeforeWait() override {}
    void AfterWait() override {
        ++frames;
        auto range = actions.equal_range(frames);
        for (auto it = range.first; it != range.second; ++it) it->second();
        if (everyFrame) everyFrame(frames);
    }

private:
    int frames = 0;
    std::multimap<int, std::function<void()>> actions;
    std::function<void(int)> everyFrame;
};

}  // namespace testsupport
