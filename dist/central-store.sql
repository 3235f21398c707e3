-- The exam centre's central store for its exam terminals (PostgreSQL 13 or later).
--
-- Run once, by the owner of a new database, for example:
--   createdb provimi
--   psql -d provimi -f /usr/share/provimi/central-store.sql
--   psql -d provimi -c "ALTER ROLE provimi_terminal PASSWORD 'the terminals'' password'"
--
-- Each terminal sends every record of its sittings' journals (events) and the result of each
-- closed sitting (results). Its account may only insert: it cannot read, change or delete
-- anything, and a record it sends twice is kept once (the key is the sitting and the record's
-- sequence number in it).

CREATE TABLE events (
    sitting  text        NOT NULL,            -- the sitting's id
    seq      bigint      NOT NULL,            -- 1 for the sitting's identity, then one up
    kind     text        NOT NULL,            -- sitting, opened, answer, clock, resumed, closing
    at       timestamptz NOT NULL,            -- when the terminal recorded it
    body     jsonb       NOT NULL,            -- the journal's record as it stands
    received timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (sitting, seq)
);

CREATE TABLE results (
    sitting  text        PRIMARY KEY,
    record   jsonb       NOT NULL,            -- the result file of the sitting, as on the terminal
    received timestamptz NOT NULL DEFAULT now()
);

-- One row per sitting. Finished once its result arrived; running while its terminal sent
-- something in the last minute (a running sitting records its clock every few seconds);
-- interrupted when it went silent without closing: the terminal is off, or cannot reach this
-- server (it sends what waited once it can), or the sitting was abandoned.
CREATE VIEW sitting_results AS
SELECT s.sitting,
       s.body ->> 'terminal'              AS terminal,
       s.body ->> 'candidate'             AS candidate,
       s.body ->> 'desk'                  AS desk,
       (r.record ->> 'earned')::numeric   AS points,
       (r.record ->> 'maximum')::integer  AS maximum,
       r.record ->> 'percentage'          AS percentage,
       CASE WHEN r.sitting IS NOT NULL THEN 'finished'
            WHEN last.received > now() - interval '1 minute' THEN 'running'
            ELSE 'interrupted' END        AS status,
       s.at                               AS started
  FROM events s
  LEFT JOIN results r USING (sitting)
  CROSS JOIN LATERAL (SELECT max(e.received) AS received
                        FROM events e WHERE e.sitting = s.sitting) last
 WHERE s.kind = 'sitting';

DO $$ BEGIN
    CREATE ROLE provimi_terminal LOGIN;
EXCEPTION WHEN duplicate_object THEN NULL;
END $$;
REVOKE ALL ON events, results, sitting_results FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO provimi_terminal;
GRANT INSERT ON events, results TO provimi_terminal;
