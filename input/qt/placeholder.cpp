// PENDING: the main window comes here.
