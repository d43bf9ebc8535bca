// PENDING: section geometry comes here.
