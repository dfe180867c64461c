#!/usr/bin/env python3
"""Starts tools/virtual-display.sh in a pseudo-terminal, as a user's terminal
would, waits for its screenshot and presses Ctrl+C. The run must end within
10 s of the interrupt, leave its temporary directory empty and leave no
process behind, running or unreaped.
   usage: virtual_display_stop.py PROGRAM"""
import ctypes, os, pty, select, signal, sys, tempfile, time

PR_SET_CHILD_SUBREAPER = 36
LAST_LINE = (b"Stopped: the program and the virtual display are closed, "
             b"their temporary files removed.")


def read_until(fd, want, deadline):
    out = b""
    while time.monotonic() < deadline and (want is None or want not in out):
        if select.select([fd], [], [], 0.2)[0]:
            try:
                chunk = os.read(fd, 4096)
            except OSError:  # the terminal's other end is gone
                break
            if not chunk:
                break
            out += chunk
    return out


def wait_for(pid, deadline):
    """The run's exit status, or None once it is killed at the deadline."""
    while time.monotonic() < deadline:
        done, status = os.waitpid(pid, os.WNOHANG)
        if done:
            return status
        time.sleep(0.1)
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
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


def main():
    program = os.path.abspath(sys.argv[1])
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "virtual-display.sh")
    # Whatever the run leaves behind becomes our child, so it can be seen.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    with tempfile.TemporaryDirectory() as tmp, tempfile.TemporaryDirectory() as out:
        shot = os.path.join(out, "shot.png")
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env["TMPDIR"] = tmp
        pid, fd = pty.fork()
        if pid == 0:
            os.chdir(out)  # the program keeps its files in its working folder
            os.execvpe("bash", ["bash", script, shot, program], env)
        text = read_until(fd, b"Screenshot written", time.monotonic() + 60)
        failures = []
        if b"Screenshot written" not in text or not os.path.getsize(shot):
            failures.append("no screenshot")
            wait_for(pid, 0)
        else:
            os.write(fd, b"\x03")
            deadline = time.monotonic() + 10
            text += read_until(fd, None, deadline)
            status = wait_for(pid, deadline)
            if status is None:
                failures.append("still running 10 s after Ctrl+C")
            elif os.waitstatus_to_exitcode(status) != -signal.SIGINT:
                failures.append("status %d, not killed by SIGINT" % os.waitstatus_to_exitcode(status))
            if text.rstrip().splitlines()[-1:] != [LAST_LINE]:
                failures.append("last line not the stop message")
            if os.listdir(tmp):
                failures.append("left in the temporary directory: %s" % os.listdir(tmp))
        # A process orphaned by the run's end has become ours by now.
        for left in children():
            failures.append("process left behind: %s" % left)
            os.kill(left, signal.SIGKILL)
            os.waitpid(left, 0)
        sys.stdout.write(text.decode(errors="replace"))
        for f in failures:
            print("FAIL:", f)
        return 1 if failures else 0


sys.exit(main())
