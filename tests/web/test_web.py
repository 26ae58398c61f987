#!/usr/bin/python3
"""The browser edition in headless Chromium, as a person uses it.

usage: test_web.py SITE_FOLDER [--shots FOLDER] [--bench N]

Serves the built page from SITE_FOLDER on a free local port, then: solves a
shipped Very Easy puzzle by pointer and keys and sees "All done!", creates a
Hard puzzle in the worker, reads the page in German, and takes screenshots
at two sizes and in the dark look (into FOLDER, default SITE_FOLDER/../shots).
With --bench N it instead times N Hard creations in the worker.
"""
import argparse
import functools
import http.server
import os
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

SURFACE_TWIPS = 6435
GRID_LEFT, CELL = 500, 600


def serve(folder):
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(width, height, dark=False):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--window-size={width},{height}", "--force-device-scale-factor=1"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    if dark:
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                               {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
    return driver


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 20).until(lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready"))


def hover_cell(driver, canvas, r, c):
    side = canvas.rect["width"]
    x = (GRID_LEFT + (c - 1) * CELL + CELL / 2) * side / SURFACE_TWIPS - side / 2
    y = (GRID_LEFT + (r - 1) * CELL + CELL / 2) * side / SURFACE_TWIPS - side / 2
    ActionChains(driver).move_to_element_with_offset(canvas, int(x), int(y)).perform()


def check(condition, what):
    if not condition:
        raise AssertionError(what)
    print("ok:", what)


def solve_very_easy(driver, url):
    open_page(driver, url)
    line = driver.execute_script("return window.kalvero.puzzles()[0]")
    check(driver.find_element(By.ID, "levelname").text == "Very Easy", "the first shipped puzzle is Very Easy")
    canvas = driver.find_element(By.ID, "board")
    for k, ch in enumerate(line[:81]):
        if ch.isdigit():
            hover_cell(driver, canvas, k // 9 + 1, k % 9 + 1)
            ActionChains(driver).send_keys(ch).perform()
    driver.find_element(By.ID, "check").click()
    notice = driver.find_element(By.ID, "notice-text").text
    check(notice.startswith("All done!"), f"checking the solved board says All done! ({notice.splitlines()[0]})")
    check("a new best for Very Easy" in notice or "a new best for Gentle Very Easy" in notice,
          "the solve is a new best time")


def create_hard(driver, url):
    open_page(driver, url)
    driver.find_element(By.CSS_SELECTOR, "#level option[value='2']").click()
    driver.find_element(By.ID, "create").click()
    WebDriverWait(driver, 120).until(lambda d: d.find_element(By.ID, "status").text.startswith("Puzzle created"))
    check(driver.find_element(By.ID, "levelname").text == "Hard", "a Hard puzzle was created in the worker")
    check(driver.find_element(By.ID, "download").is_enabled(), "created puzzles can be downloaded")


def german(driver, url):
    open_page(driver, url + "?lang=de")
    check(driver.find_element(By.ID, "status").text == "Rätsel gelesen", "the page speaks German with ?lang=de")
    english = driver.execute_script(
        "return [...document.querySelectorAll('[data-tip]')].filter(e => e.title === e.dataset.tip)"
        ".map(e => e.title)")
    check(not english, f"every button is named in German ({english})")


def entries_kept(driver, url):
    open_page(driver, url)
    canvas = driver.find_element(By.ID, "board")
    hover_cell(driver, canvas, 1, 1)
    ActionChains(driver).send_keys("5").perform()
    driver.refresh()
    open_page(driver, url)
    hover_cell(driver, driver.find_element(By.ID, "board"), 1, 1)
    selected = driver.find_element(By.ID, "selected").get_attribute("textContent")
    check(selected == "row 1, column 1: 5", f"an unfinished entry is back after a reload ({selected})")


def bench(driver, url, count):
    open_page(driver, url)
    load_ms = driver.execute_script("return window.kalvero.readyMs")
    ms = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const worker = new Worker('worker.js');
        worker.onmessage = (e) => { worker.onmessage = (f) => done(f.data.ms); worker.postMessage({level: 2, grade: -1, seed: 7, count: %d}); };
        worker.postMessage({level: 2, grade: -1, seed: 1, count: 1});""" % count)
    print(f"page ready after {load_ms:.0f} ms; {count} Hard puzzles in the worker: {ms / count:.3f} ms each")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site")
    parser.add_argument("--shots")
    parser.add_argument("--bench", type=int)
    args = parser.parse_args()
    server = serve(args.site)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    if args.bench:
        driver = browser(1000, 900)
        driver.set_script_timeout(600)
        bench(driver, url, args.bench)
        driver.quit()
        return 0
    shots = args.shots or os.path.join(args.site, "..", "shots")
    os.makedirs(shots, exist_ok=True)
    for name, width, height, dark, steps in (("wide", 1280, 1000, False, (entries_kept, solve_very_easy, create_hard, german)),
                                             ("narrow", 480, 800, False, ()), ("dark", 900, 900, True, ())):
        driver = browser(width, height, dark)
        try:
            for step in steps:
                step(driver, url)
            if not steps:
                open_page(driver, url)
                hover_cell(driver, driver.find_element(By.ID, "board"), 5, 5)
                driver.find_element(By.ID, "hint").click()
            time.sleep(0.3)
            driver.save_screenshot(os.path.join(shots, f"{name}.png"))
        finally:
            driver.quit()
    print("screenshots in", os.path.abspath(shots))
    return 0


if __name__ == "__main__":
    sys.exit(main())
