#pragma once

#include "platform/MediaPlayer.h"

// Video clips over Qt Multimedia, shown in a video widget inside the given window.
class QtMediaPlayers : public MediaPlayers {
public:
    std::unique_ptr<MediaPlayer> create() override;
};
