// The families that make the files: each turns a manifest entry into a finished picture or sound.
#pragma once

#include <string>

#include "asset.h"
#include "canvas.h"
#include "encoders.h"
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

// The hero ship flying straight, drawn into a w x h box at the canvas's current transform.
void DrawHeroShip(Canvas& canvas, double w, double h);

// A desktop icon as PNG bytes with an alpha channel.
Bytes DrawIcon(const Asset& asset);
// Writes every desktop icon under themeDir ("themeDir/48x48/apps/skyrift.png", ...); returns the
// exit status, 0 when all were drawn at their size and written.
int WriteIcons(const std::string& themeDir);
// Writes the Windows icon file: the same icon drawn at 16, 24, 32, 48, 64 and 256 pixels, each
// stored as PNG (as Windows reads them since Vista). Returns the exit status.
int WriteWindowsIcon(const std::string& path);

}  // namespace forge
