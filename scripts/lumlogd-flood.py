#!/usr/bin/env python3
# 100 connections that each start a 16 MiB message and never end it; prints lumlogd's peak memory.
import socket, subprocess, sys, time, re
proc = subprocess.Popen([sys.argv[1], "--port", "0"], stderr=subprocess.PIPE, stdout=subprocess.DEVNULL)
port = int(re.search(rb"port (\d+)", proc.stderr.readline()).group(1))
socks = []
start = time.time()
for i in range(100):
    s = socket.socket(); s.connect(("127.0.0.1", port)); s.setblocking(False)
    socks.append(s)
chunk = b"\x05" + b"A" * (1 << 20)
sent = 0
deadline = time.time() + 14
while time.time() < deadline:
    for s in socks:
        try:
            sent += s.send(chunk[:65536] if sent else chunk)
        except (BlockingIOError, ConnectionError, OSError):
            pass
    time.sleep(0.01)
status = open(f"/proc/{proc.pid}/status").read()
print("sent %.1f MB in 14 s; lumlogd peak %s" % (sent / 1e6, re.search(r"VmHWM:\s+(\d+ kB)", status).group(1)))
proc.terminate(); proc.wait()
reports = proc.stderr.read().decode().splitlines()
print("refused:", sum("refused" in r for r in reports), "too long:", sum("more than" in r for r in reports),
      "deadline:", sum("no whole message" in r for r in reports))
