"""The harness fails a test on a sanitizer report: one in a sanitizer log that
it points into the session folder (address and leak reports) or one in the
program's output (undefined-behaviour reports, which go to stderr whatever the
log path). A small program built with the sanitizers makes each fault."""

import os

import harness
from harness import check, Failure

PROBE = os.environ.get("SANITIZER_PROBE", "")
EXIT_CODE = 23


def run_probe(s, fault):
    program = s.start_program(command=[PROBE, fault])
    program.faults_expected = True
    status = program.wait_exit(what="the probe (%s) to end" % fault)
    return program, status


def brief(text, limit=600):
    return text if len(text) <= limit else text[:limit] + " [...]"


def reported_in(program, source_kind, text):
    """The reports of the program that come from that kind of source and hold
    that text."""
    found = []
    for line in program.sanitizer_reports():
        source = line.split(":", 1)[0]
        from_log = "sanitizer-%d." % program.index in source
        if (source_kind == "log") == from_log and text in line:
            found.append(line)
    return found


def harness_fails_tests_on_sanitizer_reports(s):
    check(PROBE and os.access(PROBE, os.X_OK),
          "SANITIZER_PROBE does not name the probe program: %r" % PROBE)
    # Options the environment sets must stay in force next to the log path
    # the harness adds: the exit code shows that they do.
    options = s.env.get("ASAN_OPTIONS", "").strip().rstrip(":")
    s.env["ASAN_OPTIONS"] = "%s%sexitcode=%d" % (options, ":" if options else "", EXIT_CODE)

    clean, status = run_probe(s, "clean")
    check(status == 0, "the probe ended with status %r without a fault" % status)
    check(not clean.sanitizer_reports(), "reports without a fault: %r"
          % clean.sanitizer_reports())

    overflow, status = run_probe(s, "heap-overflow")
    check(status == EXIT_CODE, "after a heap overflow the probe ended with status %r, not "
          "the %d the environment's options ask for" % (status, EXIT_CODE))
    check(reported_in(overflow, "log", "ERROR: AddressSanitizer: heap-buffer-overflow"),
          "the heap overflow is not reported in the sanitizer log; reports: %r, output: %r"
          % (overflow.sanitizer_reports(), brief(overflow.output())))

    leak, status = run_probe(s, "leak")
    check(status == EXIT_CODE, "after a leak the probe ended with status %r" % status)
    check(reported_in(leak, "log", "ERROR: LeakSanitizer: detected memory leaks"),
          "the leak is not reported in the sanitizer log; reports: %r, output: %r"
          % (leak.sanitizer_reports(), brief(leak.output())))

    undefined, status = run_probe(s, "signed-overflow")
    check(reported_in(undefined, "output", "runtime error: signed integer overflow"),
          "the signed overflow is not reported; reports: %r, output: %r"
          % (undefined.sanitizer_reports(), brief(undefined.output())))

    # Each report fails the test at its end ...
    for program in (overflow, leak, undefined):
        program.faults_expected = False
        try:
            s.check_no_sanitizer_reports()
        except Failure:
            pass
        else:
            raise Failure("a report of program %d did not fail the test" % program.index)
        program.faults_expected = True
    s.check_no_sanitizer_reports()

    # ... and a report in a log ends a wait at once.
    overflow.faults_expected = False
    try:
        s.wait_for(lambda: False, "something that never comes", deadline=10)
        raise AssertionError("a wait for nothing came back")
    except Failure as failure:
        # Ended by the report, not by running out of time.
        check("AddressSanitizer" in str(failure) and "timed out" not in str(failure),
              "the wait failed for another reason: %s" % failure)
    overflow.faults_expected = True


if __name__ == "__main__":
    harness.run(harness_fails_tests_on_sanitizer_reports)
