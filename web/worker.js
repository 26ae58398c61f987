// Creates puzzles off the page's thread, so the page never freezes; the page
// cancels a creation by ending the worker.
importScripts("kalvero.js");
const ready = KalveroModule({ translate: () => null, confirm: () => false, measure: () => 0 });

onmessage = async (event) => {
  const engine = await ready;
  const { level, grade, seed, count } = event.data;
  const started = performance.now();
  const lines = [];
  for (let i = 0; i < (count || 1); ++i) {
    lines.push(engine.ccall("kv_create", "string", ["number", "number", "number"], [level, grade, seed + i]));
  }
  postMessage({ lines, ms: performance.now() - started });
};
