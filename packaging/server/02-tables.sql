-- Kazemaru class server, step 2 of 3: the schema kazemaru and its tables, in the database that
-- holds the classes' records. Run as a superuser after 01-roles.sql:
--     sudo -u postgres psql -v ON_ERROR_STOP=1 -d kazemaru < 02-tables.sql
-- Running it again changes nothing. The table schema_version says which release's design the
-- database has; a later release's files upgrade it one version at a time, in one transaction
-- each, keeping every row an earlier release stored.
--
-- Every row that a computer sends is keyed by the id the computer made for it (a UUID), so a row
-- sent twice (the computer did not hear the answer to its first sending) is stored once.
-- Times are instants (timestamptz): a computer sends its local time with its offset from UTC,
-- and every reader sees them in its own local time.

BEGIN;

CREATE SCHEMA IF NOT EXISTS kazemaru AUTHORIZATION kazemaru_owner;
-- Everything below belongs to kazemaru_owner, which no one logs in as.
SET LOCAL ROLE kazemaru_owner;

CREATE TABLE IF NOT EXISTS kazemaru.schema_version (
    version   integer     PRIMARY KEY,
    installed timestamptz NOT NULL DEFAULT now()
);

-- A database made by a newer release is left as it is.
DO $newer$
BEGIN
    IF (SELECT max(version) FROM kazemaru.schema_version) > 1 THEN
        RAISE EXCEPTION 'this database was set up by a newer Kazemaru release (schema version %); use that release''s files',
            (SELECT max(version) FROM kazemaru.schema_version);
    END IF;
END
$newer$;

-- A class, by the code the school gives it (the "class" setting on its computers), e.g. "4-1".
CREATE TABLE IF NOT EXISTS kazemaru.classes (
    code  text PRIMARY KEY CHECK (char_length(code) BETWEEN 1 AND 40),
    title text NOT NULL DEFAULT '' CHECK (char_length(title) <= 100)
);

-- Which login role may use which class: a class's pupil login for its own class, a teacher for
-- each class the teacher was given. Only the administrator and the helper functions read it.
CREATE TABLE IF NOT EXISTS kazemaru.class_members (
    role_name  text NOT NULL,
    class_code text NOT NULL REFERENCES kazemaru.classes (code) ON UPDATE CASCADE ON DELETE CASCADE,
    PRIMARY KEY (role_name, class_code)
);

-- The class roster: the children, each by the id their first computer made for them. The name
-- is stored exactly as a grown-up wrote it; its bound only keeps a runaway sender in check.
CREATE TABLE IF NOT EXISTS kazemaru.pupils (
    uid        uuid        PRIMARY KEY,
    class_code text        NOT NULL REFERENCES kazemaru.classes (code) ON UPDATE CASCADE,
    name       text        NOT NULL CHECK (char_length(name) BETWEEN 1 AND 100),
    colour     integer     NOT NULL DEFAULT 0 CHECK (colour BETWEEN 0 AND 99),
    added      timestamptz NOT NULL DEFAULT now(),
    UNIQUE (uid, class_code)
);
CREATE INDEX IF NOT EXISTS pupils_class ON kazemaru.pupils (class_code, added);

-- Every judged answer. An answer names its child and its class, and the child must be on that
-- class's roster: no computer can file an answer under another class's child.
CREATE TABLE IF NOT EXISTS kazemaru.answers (
    uid         uuid             PRIMARY KEY,
    class_code  text             NOT NULL,
    child_uid   uuid             NOT NULL,
    answered_at timestamptz      NOT NULL,
    lesson      smallint         NOT NULL CHECK (lesson BETWEEN 1 AND 99),
    sub_topic   smallint         NOT NULL CHECK (sub_topic BETWEEN 0 AND 99),
    kind        text             NOT NULL DEFAULT '' CHECK (char_length(kind) <= 100),
    problem     text             NOT NULL CHECK (char_length(problem) <= 500),
    given       text             NOT NULL CHECK (char_length(given) <= 500),
    expected    text             NOT NULL CHECK (char_length(expected) <= 500),
    correct     boolean          NOT NULL,
    seconds     double precision NOT NULL CHECK (seconds >= 0),
    attempt     integer          NOT NULL DEFAULT 1 CHECK (attempt >= 1),
    received    timestamptz      NOT NULL DEFAULT now(),
    FOREIGN KEY (child_uid, class_code) REFERENCES kazemaru.pupils (uid, class_code) ON UPDATE CASCADE
);
-- The teacher's class view (lesson and menu item × child) is read from this index alone.
CREATE INDEX IF NOT EXISTS answers_class_view
    ON kazemaru.answers (class_code, lesson, sub_topic, child_uid) INCLUDE (correct, answered_at);
-- A child's last answers, newest first.
CREATE INDEX IF NOT EXISTS answers_child ON kazemaru.answers (child_uid, answered_at DESC);

-- Every drill run, as the computer's run history keeps it.
CREATE TABLE IF NOT EXISTS kazemaru.drill_runs (
    uid        uuid        PRIMARY KEY,
    class_code text        NOT NULL,
    child_uid  uuid        NOT NULL,
    started    timestamptz NOT NULL,
    drill      smallint    NOT NULL CHECK (drill BETWEEN 1 AND 99),
    sub_topic  smallint    NOT NULL CHECK (sub_topic BETWEEN 0 AND 99),
    places     text        NOT NULL DEFAULT '' CHECK (char_length(places) <= 20),
    time_limit integer     NOT NULL CHECK (time_limit >= 0),
    problems   integer     NOT NULL CHECK (problems >= 0),
    rights     integer     NOT NULL CHECK (rights BETWEEN 0 AND problems),
    score      integer     NOT NULL CHECK (score BETWEEN 0 AND 100),
    seconds    integer     NOT NULL CHECK (seconds >= 0),
    ending     text        NOT NULL CHECK (ending IN ('stop', 'timeup', 'abandon')),
    received   timestamptz NOT NULL DEFAULT now(),
    FOREIGN KEY (child_uid, class_code) REFERENCES kazemaru.pupils (uid, class_code) ON UPDATE CASCADE
);
CREATE INDEX IF NOT EXISTS drill_runs_class ON kazemaru.drill_runs (class_code, child_uid, started);

INSERT INTO kazemaru.schema_version (version) VALUES (1) ON CONFLICT (version) DO NOTHING;

COMMIT;
