// Replays the engine's recorded board drawing (web_surface.cpp) on a canvas
// whose coordinates are twips, scaled to the canvas's size and the device's
// pixel ratio so lines and digits stay crisp.
export const kSurfaceTwips = 6435;
const kTwipsPerLineWidth = 15;

export function FitCanvas(canvas) {
  const side = canvas.getBoundingClientRect().width;
  const pixels = Math.max(1, Math.round(side * window.devicePixelRatio));
  if (canvas.width !== pixels) canvas.width = canvas.height = pixels;
  const ctx = canvas.getContext("2d");
  ctx.setTransform(pixels / kSurfaceTwips, 0, 0, pixels / kSurfaceTwips, 0, 0);
  return ctx;
}

export function Replay(ctx, calls) {
  for (const c of calls) {
    switch (c[0]) {
      case "c":
        ctx.fillStyle = c[1];
        ctx.fillRect(0, 0, kSurfaceTwips, kSurfaceTwips);
        break;
      case "f":
        ctx.fillStyle = c[5];
        ctx.fillRect(c[1], c[2], c[3], c[4]);
        break;
      case "o":
        ctx.strokeStyle = c[5];
        ctx.lineWidth = c[6] * kTwipsPerLineWidth;
        ctx.lineJoin = "miter";
        ctx.strokeRect(c[1], c[2], c[3], c[4]);
        break;
      case "t":
        ctx.font = c[5];
        ctx.fillStyle = c[4];
        ctx.textBaseline = "alphabetic";
        ctx.fillText(c[3], c[1], c[2]);
        break;
    }
  }
}

// Text measures for the engine, in the font it is drawn in: 0 width,
// 1 height, 2 ascent (twips, as the font is sized in twips).
const measuring = new OffscreenCanvas(1, 1).getContext("2d");
export function Measure(font, text, what) {
  measuring.font = font;
  const m = measuring.measureText(text);
  if (what === 0) return m.width;
  if (what === 2) return m.fontBoundingBoxAscent;
  return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent;
}
