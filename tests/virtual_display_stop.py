#!/usr/bin/env python3
"""Starts tools/virtual-display.sh in a pseudo-terminal, as a user's terminal
would, and presses Ctrl+C once: right after it starts, a number of times;
while it writes its screenshot; and after the screenshot. Each run must end
within 5 s of the press, killed by it, with the stop line last, its temporary
directory empty, no process left behind, running or unreaped, and the
screenshot either the previous whole picture or a new whole one.
   usage: virtual_display_stop.py PROGRAM [START_PRESSES]"""
import ctypes, glob, os, pty, random, select, signal, sys, tempfile, time, zlib

PR_SET_CHILD_SUBREAPER = 36
LAST_LINE = (b"Stopped: the program and the virtual display are closed, "
             b"their temporary files removed.")
PNG_END = b"IEND\xaeB`\x82"


def png(width=1, height=1):
    def chunk(kind, data):
        return (len(data).to_bytes(4, "big") + kind + data
                + zlib.crc32(kind + data).to_bytes(4, "big"))
    head = width.to_bytes(4, "big") + height.to_bytes(4, "big") + b"\x08\x00\x00\x00\x00"
    rows = zlib.compress(b"\x00" * (width + 1) * height)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", rows) + chunk(b"IEND", b"")


def read_until(fd, want, deadline):
    out = b""
    while time.monotonic() < deadline and (want is None or want not in out):
        if select.select([fd], [], [], 0.005)[0]:
            try:
                chunk = os.read(fd, 4096)
            except OSError:  # the terminal's other end is gone
                break
            if not chunk:
                break
            out += chunk
    return out


def wait_for(pid, deadline):
    """The run's exit status, or None if it still runs at the deadline."""
    while time.monotonic() < deadline:
        done, status = os.waitpid(pid, os.WNOHANG)
        if done:
            return status
        time.sleep(0.02)
    return None


def children():
    """Our children, running or unreaped: whatever the run left behind."""
    def parent(pid):
        try:
            with open("/proc/%s/stat" % pid) as f:
                return int(f.read().rsplit(")", 1)[1].split()[1])
        except OSError:
            return None
    return [int(p) for p in os.listdir("/proc") if p.isdigit() and parent(p) == os.getpid()]


class Run:
    def __init__(self, script, program, tmp, out, shot):
        self.tmp, self.shot = tmp, shot
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env["TMPDIR"] = tmp
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.chdir(out)  # the program keeps its files in its working folder
            os.execvpe("bash", ["bash", script, shot, program], env)
        self.text = read_until(self.fd, b"virtual display", time.monotonic() + 10)

    def press(self):
        """Presses Ctrl+C, once more if the first is lost; the failures seen."""
        failures = []
        # bash itself can rarely lose a trapped signal; a second press must end it.
        for press in (1, 2):
            os.write(self.fd, b"\x03")
            deadline = time.monotonic() + 5
            self.text += read_until(self.fd, None, deadline)
            status = wait_for(self.pid, deadline)
            if status is not None:
                break
            print("note: Ctrl+C number %d was lost" % press)
        if status is None:
            failures.append("still running 5 s after a second Ctrl+C")
            os.kill(self.pid, signal.SIGKILL)
            os.waitpid(self.pid, 0)
        elif os.waitstatus_to_exitcode(status) != -signal.SIGINT:
            failures.append("status %d, not killed by SIGINT" % os.waitstatus_to_exitcode(status))
        if self.text.rstrip().splitlines()[-1:] != [LAST_LINE]:
            failures.append("last line not the stop message")
        os.close(self.fd)
        return failures + self.leftovers()

    def leftovers(self):
        failures = []
        if os.listdir(self.tmp):
            failures.append("left in the temporary directory: %s" % os.listdir(self.tmp))
        if glob.glob(self.shot + ".*"):
            failures.append("left beside the screenshot: %s" % glob.glob(self.shot + ".*"))
        if os.path.exists(self.shot):
            with open(self.shot, "rb") as f:
                data = f.read()
            if not (data.startswith(b"\x89PNG") and data.endswith(PNG_END)):
                failures.append("screenshot not a whole picture (%d bytes)" % len(data))
        # A process orphaned by the run's end has become ours by now.
        for left in children():
            with open("/proc/%d/stat" % left) as f:
                failures.append("process left behind: %s" % f.read().rsplit(")", 1)[0])
            os.kill(left, signal.SIGKILL)
            os.waitpid(left, 0)
        return failures


def main():
    program = os.path.abspath(sys.argv[1])
    starts = int(sys.argv[2]) if len(sys.argv) > 2 else 8
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "virtual-display.sh")
    # Whatever the run leaves behind becomes our child, so it can be seen.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    failed = 0
    with tempfile.TemporaryDirectory() as tmp, tempfile.TemporaryDirectory() as out:
        shot = os.path.join(out, "shot.png")

        def report(what, failures, text):
            nonlocal failed
            print("%s: %s" % (what, "; ".join(failures) or "clean"))
            if failures:
                failed += 1
                sys.stdout.write(text.decode(errors="replace"))

        # Right after the run says Ctrl+C stops it, and while it starts the display.
        for n in range(starts):
            run = Run(script, program, tmp, out, shot)
            time.sleep(random.uniform(0, 0.015) if n % 2 else random.uniform(0.015, 0.5))
            report("press %d at start" % (n + 1), run.press(), run.text)

        # While the picture is written into the run's folder, over a previous one.
        with open(shot, "wb") as f:
            f.write(png())
        run = Run(script, program, tmp, out, shot)
        deadline = time.monotonic() + 20
        while not glob.glob(os.path.join(tmp, "*", "shot.png")) and time.monotonic() < deadline:
            time.sleep(0.002)
        failures = [] if time.monotonic() < deadline else ["no screenshot written in the run's folder"]
        failures += run.press()
        kept = os.path.getsize(shot) == len(png())
        report("press while the screenshot is written (%s picture kept)" % ("previous" if kept else "new"),
               failures, run.text)

        # After the screenshot.
        run = Run(script, program, tmp, out, shot)
        run.text += read_until(run.fd, b"Screenshot written", time.monotonic() + 30)
        if b"Screenshot written" not in run.text or os.path.getsize(shot) == len(png()):
            report("after the screenshot", ["no new screenshot"], run.text)
        report("press after the screenshot", run.press(), run.text)
    return 1 if failed else 0


sys.exit(main())
