// Keeps a suite's support library non-empty when the suite has no shared helpers.
