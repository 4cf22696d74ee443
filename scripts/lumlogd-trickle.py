#!/usr/bin/env python3
# One connection that sends a byte every half second: when does lumlogd close it?
import socket, subprocess, sys, time, re
proc = subprocess.Popen([sys.argv[1], "--port", "0"], stderr=subprocess.PIPE, stdout=subprocess.DEVNULL)
port = int(re.search(rb"port (\d+)", proc.stderr.readline()).group(1))
s = socket.socket(); s.connect(("127.0.0.1", port))
start = time.time()
try:
    s.send(b"\x05")
    while time.time() - start < 30:
        time.sleep(0.5)
        s.send(b"A")
        s.settimeout(0.01)
        try:
            if s.recv(1) == b"": break
        except socket.timeout: pass
except OSError: pass
print("closed after %.1f s" % (time.time() - start))
proc.terminate(); proc.wait()
