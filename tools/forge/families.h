// The families that make the files: each turns a manifest entry into a finished picture or sound.
#pragma once

#include "asset.h"
#include "picture.h"
#include "sound.h"

namespace forge {

Picture DrawEnemy(const Asset& asset);
Picture DrawBoss(const Asset& asset);
Picture DrawHero(const Asset& asset);
Picture DrawExplosion(const Asset& asset);
Picture DrawShot(const Asset& asset);
Picture DrawHud(const Asset& asset);
Picture DrawScreen(const Asset& asset);
Picture DrawBackground(const Asset& asset);
Sound MakeEffect(const Asset& asset);
Sound MakeMusic(const Asset& asset);

// A background layer by name ("Ciel", "Enfer1", ...), also used for level previews.
Picture BackgroundPicture(const std::string& name, int width, int height);

}  // namespace forge
