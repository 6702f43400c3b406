#!/usr/bin/env python3
"""Vimble beside feh, each showing the same 24-megapixel JPEGs in a window fitted to the picture
on the X server in DISPLAY, transitions off, as a user meets them:

  next      from the Space key to the new picture's name in the window's title (its frame is
            painted with it), one key at a time with a pause between: Vimble has decoded the
            next picture ahead by then
  held      Space held for 5 seconds over 200 pictures: pictures shown per second while held,
            and pictures shown after the key was let go
  peak RSS  the largest resident memory once both runs are over (VmHWM)

Prints each measure for both programs and Vimble's ratio to feh's, with the aim beside it.
Usage: against_feh.py VIMBLE-BINARY
"""
import os
import queue
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HELD_SECONDS = 5
PICTURES = 200
DISTINCT = 4  # pictures of their own; the rest are links to them under names of their own


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def make_pictures(folder):
    """200 names over a few distinct 24-megapixel photo-like JPEGs (noise JPEG cannot squeeze)."""
    made = []
    for i in range(DISTINCT):
        path = os.path.join(folder, f"source{i}.jpg")
        run("convert", "-size", "6000x4000", f"gradient:{['red-blue', 'green-navy', 'orange-teal', 'gray-purple'][i]}",
            "-seed", str(i), "-attenuate", "0.4", "+noise", "Gaussian", "-quality", "90", path)
        made.append(path)
    shown = os.path.join(folder, "shown")
    os.mkdir(shown)
    for n in range(PICTURES):
        os.link(made[n % DISTINCT], os.path.join(shown, f"p{n:03}.jpg"))
    return shown


class Titles:
    """The window's title changes as they come, each with the time it was seen."""

    def __init__(self, window):
        self.seen = queue.Queue()
        self.spy = subprocess.Popen(["xprop", "-spy", "-id", window, "WM_NAME"], stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()
        self.next(10)  # xprop says the title it finds first

    def _read(self):
        for line in self.spy.stdout:
            self.seen.put((time.monotonic(), line.strip()))

    def next(self, timeout):
        try:
            return self.seen.get(timeout=timeout)
        except queue.Empty:
            return None, None

    def drain(self, quiet):
        """The changes that come until none has for quiet seconds."""
        changes = []
        while True:
            at, title = self.next(quiet)
            if at is None:
                return changes
            changes.append(at)

    def close(self):
        self.spy.kill()


class Program:
    def __init__(self, name, command, window_class, home):
        self.name = name
        env = dict(os.environ, VIMBLE_HOME=home, HOME=home)
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = None
        for _ in range(300):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", window_class],
                                   capture_output=True, text=True).stdout.split()
            if found:
                self.window = found[0]
                break
            time.sleep(0.05)
        if not self.window:
            raise SystemExit(f"{name}: no window appeared")
        run("xdotool", "windowfocus", "--sync", self.window)
        self.titles = Titles(self.window)
        self.titles.drain(2)  # the first picture and what it brings

    def key_to_frame(self, tries):
        times = []
        for _ in range(tries):
            start = time.monotonic()
            subprocess.run(["xdotool", "key", "space"], check=True)
            at, _ = self.titles.next(10)
            if at is None:
                raise SystemExit(f"{self.name}: no picture came after Space")
            times.append((at - start) * 1000)
            self.titles.drain(1.5)
        return statistics.median(times)

    def held(self):
        self.titles.drain(1)
        run("xdotool", "keydown", "space")
        time.sleep(HELD_SECONDS)
        run("xdotool", "keyup", "space")
        released = time.monotonic()
        changes = self.titles.drain(3)
        during = sum(1 for at in changes if at <= released)
        return during / HELD_SECONDS, len(changes) - during

    def peak_rss_mib(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return 0

    def close(self):
        self.titles.close()
        self.process.kill()
        self.process.wait()


def measure(program):
    results = {"next": program.key_to_frame(8)}
    results["rate"], results["after"] = program.held()
    results["rss"] = program.peak_rss_mib()
    program.close()
    return results


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    if not shutil.which("feh"):
        print("against_feh: feh is not installed; vimble_bench's showNext compares with djpeg instead")
        return
    # The same repeat for both: a key held down repeats 30 times a second after half a second.
    run("xset", "r", "rate", "500", "30")
    work = tempfile.mkdtemp(prefix="vimble-against-feh-")
    try:
        shown = make_pictures(work)
        pictures = sorted(os.path.join(shown, name) for name in os.listdir(shown))
        vimble_home = os.path.join(work, "vimble-home")
        os.mkdir(vimble_home)
        vimble = measure(Program("vimble", [sys.argv[1], "-noslide", "-notransitions", "-sortname", pictures[0]],
                                 "^Vimble$", vimble_home))
        feh = measure(Program("feh", ["feh", "--scale-down", "--no-menus", *pictures], "^feh$", work))
    finally:
        shutil.rmtree(work)

    print(f"{'measure':<34}{'vimble':>10}{'feh':>10}{'ratio':>8}   aim")
    rows = [("next picture (ms)", "next", "at most 0.15"),
            ("held Space: pictures per second", "rate", "at least 2"),
            ("pictures after the release", "after", "vimble at most 1"),
            ("peak RSS (MiB)", "rss", "at most 0.75")]
    for label, key, aim in rows:
        ratio = f"{vimble[key] / feh[key]:.2f}" if feh[key] else "-"
        print(f"{label:<34}{vimble[key]:>10.1f}{feh[key]:>10.1f}{ratio:>8}   {aim}")


if __name__ == "__main__":
    main()
